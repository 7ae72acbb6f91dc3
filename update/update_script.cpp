#include "update/update_script.h"

#include "framework/cfile.h"

std::vector<CString> UpdateScriptLines(const char* modelName, const char* fileStem, int port, int baud)
{
    const CString imageName = CString(fileStem) + ".bin";
    CString serialPort, baudRate, updateFile, flash;
    serialPort.Format("echo   Serial port = COM%d", port);
    baudRate.Format("echo   Baud rate   = %d", baud);
    updateFile.Format("echo   Update file = %s", imageName.GetString());
    flash.Format("clRFU.exe   %s  -v  -s %d:%d  -cl coldload.bin  -pb pilot.bin", imageName.GetString(), port, baud);
    return {
        "echo off",
        "cls",
        "echo.",
        CString("echo ") + modelName + " Firmware Update",
        serialPort,
        baudRate,
        updateFile,
        "echo.",
        "echo.",
        flash,
        "echo.",
        "echo.",
        "echo You must close this window before you can return to the VDFlash program!",
        "echo.",
        "pause",
    };
}

CString UpdateScriptBytes(const char* modelName, const char* fileStem, int port, int baud)
{
    CString bytes;
    for (const CString& line : UpdateScriptLines(modelName, fileStem, port, baud))
        bytes += line + "\r\n";
    return bytes;
}

bool WriteUpdateScript(const char* path, const std::vector<CString>& lines)
{
    CFile script;
    if (!script.Open(path, CFile::modeCreate | CFile::shareExclusive | CFile::modeReadWrite))
        return false;
    for (const CString& line : lines) {
        const CString withEnd = line + "\r\n";
        script.Write(withEnd.GetString(), static_cast<std::size_t>(withEnd.GetLength()));
    }
    script.Close();
    return true;
}

#pragma once
// The command script that runs the flash utility: fifteen lines, each ended by CR LF.

#include "framework/cstring.h"

#include <vector>

inline constexpr char kUpdateScriptName[] = "VDFlash.bat";

// The lines without their line ends; a function of these four values alone.
std::vector<CString> UpdateScriptLines(const char* modelName, const char* fileStem, int port, int baud);
// The whole script as the file holds it.
CString UpdateScriptBytes(const char* modelName, const char* fileStem, int port, int baud);

// Creates the script at path, or empties the file there, and writes it line by line.
// False when the file cannot be created; a failed write or close throws CFileException.
bool WriteUpdateScript(const char* path, const std::vector<CString>& lines);

// Renders the console window of an update to a PNG file: the update script for
// Vandrel4 Network on COM3 at 57,600 bit/s, run in the program's bin folder until its
// pause. COM3 is whatever VDFLASH_COM_MAP names (scripts/render-docs puts a simulated
// Vandrel there).
//   render_console OUTPUT.png

#include "console_window.h"
#include "system/current_directory.h"
#include "update/update_script.h"

#include <QApplication>
#include <QPixmap>
#include <QTest>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication toolkit(argc, argv);
    sys::SetCurrentDirectory(VDFLASH_PROGRAM_DIR "/bin");
    ConsoleWindow window("VDFlash.bat", UpdateScriptBytes("Vandrel4 Network", "VD4-NW", 3, 57600).Str());
    bool finished = false;
    window.onFinished = [&finished](int) { finished = true; };
    window.show();
    window.Start();
    if (!QTest::qWaitFor([&] { return window.IsWaitingForKey() || finished; }, 60000))
        return 1;
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

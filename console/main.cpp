// The console host: runs one command script in a console window of its own and ends when
// the script has run through or the window is closed.
//   vdflash-console SCRIPT

#include "console_window.h"
#include "system/files.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication toolkit(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vdflash-console SCRIPT\n");
        return 2;
    }
    std::string script;
    if (!sys::ReadWholeFile(argv[1], script)) {
        std::fprintf(stderr, "vdflash-console: cannot read %s\n", argv[1]);
        return 1;
    }
    ConsoleWindow window(argv[1], script);
    int exitCode = 0;
    window.onFinished = [&exitCode](int code) {
        exitCode = code;
        QApplication::exit(code);
    };
    window.show();
    window.Start();
    QApplication::exec();
    return exitCode;
}

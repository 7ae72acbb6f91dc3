// On this platform the program directory is the executable's own directory.

#include "app/program_directory.h"
#include "framework/cwinapp.h"

CString LaunchProgramDir()
{
    return ProgramDirFromExecutablePath(AfxGetApp()->Environment().executablePath.c_str());
}

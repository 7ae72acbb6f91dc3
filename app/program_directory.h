#pragma once
// The program directory: where the program was started from.

#include "framework/cstring.h"

// A byte that starts a double-byte character in the system's code page.
using LeadBytePredicate = bool (*)(unsigned char);
bool NoLeadBytes(unsigned char);

// From a whole command line, as the Windows launcher passes it: the program path's
// directory, lower-cased, without its trailing backslash; empty if there is none.
CString ProgramDirFromCommandLine(const CString& commandLine, LeadBytePredicate isLeadByte = NoLeadBytes);

// From the executable's path as the system reports it: the part before the last
// slash, case kept.
CString ProgramDirFromExecutablePath(const CString& executablePath);

// The program directory of this process, by the rule of the platform it runs on.
CString LaunchProgramDir();

#pragma once
// Finding the program of a command line as the Windows command interpreter does: in the
// current directory first, then along PATH; a name ending in ".exe" also finds the same
// name without it.

#include <string>

// The path of an executable file for name, or empty.
std::string FindCommand(const std::string& name, const std::string& currentDirectory, const std::string& path);

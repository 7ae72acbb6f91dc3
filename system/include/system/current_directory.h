#pragma once
// The process's current directory.

#include <string>

namespace sys {

// Empty if the system cannot tell (the directory was removed, say).
std::string CurrentDirectory();
int SetCurrentDirectory(const std::string& path); // 0, or the error number

} // namespace sys

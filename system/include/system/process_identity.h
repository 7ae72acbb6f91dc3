#pragma once
// Where the running program and its user's files are.

#include <string>

namespace sys {

// The running executable's path, as the system reports it; empty if it cannot tell.
std::string ExecutablePath();
// $XDG_CONFIG_HOME when it is an absolute path, else the home folder's .config.
std::string UserConfigHome();

} // namespace sys

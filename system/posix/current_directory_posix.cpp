#include "system/current_directory.h"

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace sys {

std::string CurrentDirectory()
{
    const std::unique_ptr<char, decltype(&std::free)> path(::getcwd(nullptr, 0), &std::free);
    return path ? std::string(path.get()) : std::string();
}

int SetCurrentDirectory(const std::string& path) { return ::chdir(path.c_str()) == 0 ? 0 : errno; }

} // namespace sys

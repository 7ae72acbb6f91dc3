#include "system/process_identity.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace sys {

std::string ExecutablePath()
{
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

std::string UserConfigHome()
{
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (!home || home[0] == '\0') {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : "/";
    }
    return std::string(home) + "/.config";
}

} // namespace sys

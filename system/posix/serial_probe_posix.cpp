#include "system/serial_probe.h"

#include "system/files.h"
#include "system/unique_fd.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <linux/serial.h>
#include <sstream>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace sys {

namespace {

namespace fs = std::filesystem;

bool IsConsole(const fs::path& device, const std::string& consoleList)
{
    if (device == "/dev/console" || device == "/dev/tty")
        return true;
    std::string names;
    if (!ReadWholeFile(consoleList, names))
        return false;
    std::istringstream list(names);
    for (std::string name; list >> name;)
        if (device == fs::path("/dev") / name)
            return true;
    return false;
}

bool ProcessRuns(long pid)
{
    if (pid <= 0)
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

const char* PortStateName(PortState state)
{
    switch (state) {
    case PortState::Available: return "available";
    case PortState::Missing: return "missing";
    case PortState::NotATerminal: return "not a terminal";
    case PortState::NoUart: return "no UART";
    case PortState::Busy: return "in use by another program";
    case PortState::Denied: return "permission denied";
    case PortState::Console: return "system console";
    }
    return "unknown";
}

std::string LockFileName(const std::string& devicePath)
{
    std::string name = devicePath.rfind("/dev/", 0) == 0 ? devicePath.substr(5) : fs::path(devicePath).filename().string();
    for (char& ch : name)
        if (ch == '/')
            ch = '_';
    return "LCK.." + name;
}

bool LockFileHeldByLiveProcess(const std::string& lockFile)
{
    std::string contents;
    if (!ReadWholeFile(lockFile, contents))
        return false;
    long pid = 0;
    if (contents.size() == sizeof(int)) { // the old binary form
        int binary = 0;
        std::memcpy(&binary, contents.data(), sizeof binary);
        pid = binary;
    } else {
        pid = std::strtol(contents.c_str(), nullptr, 10);
    }
    return ProcessRuns(pid);
}

PortState ProbeSerialDevice(const std::string& devicePath, const ProbePlaces& places)
{
    std::error_code error;
    const fs::path device = fs::canonical(devicePath, error);
    if (error)
        return PortState::Missing;
    if (IsConsole(device, places.consoleList))
        return PortState::Console;
    if (LockFileHeldByLiveProcess((fs::path(places.lockDir) / LockFileName(device.string())).string()) ||
        LockFileHeldByLiveProcess((fs::path(places.lockDir) / LockFileName(devicePath)).string()))
        return PortState::Busy;

    UniqueFd fd(::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.IsOpen()) {
        switch (errno) {
        case EBUSY: return PortState::Busy;
        case EACCES:
        case EPERM: return PortState::Denied;
        case EIO: return PortState::NoUart;
        default: return PortState::Missing;
        }
    }
    termios settings {};
    if (::tcgetattr(fd.Get(), &settings) != 0)
        return PortState::NotATerminal;
    serial_struct serial {};
    if (::ioctl(fd.Get(), TIOCGSERIAL, &serial) == 0 && serial.type == PORT_UNKNOWN)
        return PortState::NoUart;
    // Exclusive mode does not keep a privileged opener out, so ask for it.
    int exclusive = 0;
    if (::ioctl(fd.Get(), TIOCGEXCL, &exclusive) == 0 && exclusive != 0)
        return PortState::Busy;
    if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? PortState::Busy : PortState::Missing;
    return PortState::Available;
}

} // namespace sys

#pragma once
// Whether a serial device can be used for real work now. The device is opened and closed
// again; nothing is read, written or configured.

#include <string>

namespace sys {

enum class PortState {
    Available,
    Missing,      // no such device, or it went away
    NotATerminal, // opens, but has no line settings
    NoUart,       // a serial device node without a UART behind it
    Busy,         // another program holds it
    Denied,       // no permission to open it for reading and writing
    Console,      // the system console: never used
};

const char* PortStateName(PortState state);

struct ProbePlaces {
    std::string lockDir = "/run/lock";                           // LCK..name files of holders
    std::string consoleList = "/sys/class/tty/console/active"; // devices of the system console
};

PortState ProbeSerialDevice(const std::string& devicePath, const ProbePlaces& places = {});

// The name of the lock file for a device: "LCK.." and the device's name below /dev, its
// slashes made underscores ("LCK..ttyUSB0", "LCK..pts_3").
std::string LockFileName(const std::string& devicePath);
// The process named by a lock file still runs.
bool LockFileHeldByLiveProcess(const std::string& lockFile);

} // namespace sys

#pragma once
// The COM numbers of this machine's serial devices, shared by every program that names a
// port "COMn". Kept per user in an INI file:
//
//   [Ports]      kept by the programs: each serial device found takes the lowest free
//                number and keeps it, by its stable name (/dev/serial/by-id/...) where it
//                has one.
//   COM1=/dev/ttyS1
//   COM2=/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A9KX3-if00-port0
//   [Override]   the user's own lines; each names the device for a COM number and wins
//   COM5=/dev/ttyUSB3   over [Ports].
//
// A fixed mapping (a file that tests and tools write) is used as it stands: nothing is
// looked for, and nothing is written.

#include <map>
#include <string>
#include <vector>

namespace sys {

// The serial devices that exist now: built-in UARTs with a UART behind them first, then
// USB adapters; each by its stable name.
std::vector<std::string> DiscoverSerialDevices();

// Gives each device that has no number yet the lowest free one, keeping every number
// that is already taken.
std::map<int, std::string> AssignComNumbers(std::map<int, std::string> assigned, const std::vector<std::string>& devices);

class ComPortMap {
public:
    // The user's mapping file, brought up to date with the devices found.
    static ComPortMap ForUser(const std::string& mappingFile, const std::vector<std::string>& devicesFound);
    // A mapping used as it stands.
    static ComPortMap Fixed(const std::string& mappingFile);

    // The device behind COMn; empty if n is not mapped.
    std::string DevicePath(int number) const;
    const std::map<int, std::string>& Entries() const { return m_devices; }

private:
    std::map<int, std::string> m_devices;
};

// Where a user's mapping is kept, below the user's configuration folder.
std::string UserComPortMapFile(const std::string& configHome);

// "COM3" gives 3; anything else 0.
int ComNumberFromName(const std::string& name);

} // namespace sys

#pragma once
// The serial ports as the program names them ("COM1" to "COM10"), each standing for one
// of the machine's serial devices.

#include "framework/cstring.h"

#include <memory>
#include <string>

class ComPorts {
public:
    virtual ~ComPorts() = default;
    // Opens the port exclusively for reading and writing and closes it again at once:
    // true when that worked, so that the port can be used for real work now.
    virtual bool CanOpenExclusive(const char* portName) const = 0;
    // The device behind the port, to show beside its name; empty if the port has none.
    virtual CString DeviceOf(const char* portName) const = 0;
};

// The user's own mapping, brought up to date with the devices found, or the fixed mapping
// file that VDFLASH_COM_MAP names.
std::unique_ptr<ComPorts> MakeSystemComPorts(const std::string& configHome);
// A mapping file used as it stands.
std::unique_ptr<ComPorts> MakeFixedComPorts(const std::string& mappingFile);

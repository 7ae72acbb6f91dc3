#pragma once
// A pseudo-terminal standing in for a serial port: the test keeps the master side, and
// the slave side's path is what a COM number maps to.

#include "system/unique_fd.h"

#include <string>

class PseudoTerminal {
public:
    PseudoTerminal();
    const std::string& Path() const { return m_slavePath; }
    int Master() const { return m_master.Get(); }

private:
    sys::UniqueFd m_master;
    std::string m_slavePath;
};

// Another program's hold on a device, for as long as the object lives.
class DeviceHolder {
public:
    enum class How { Flock, Exclusive };
    DeviceHolder(const std::string& path, How how);
    // Exclusive mode outlives the holder's descriptor while the master side stays open,
    // so a holder that ends gives it up, as serial tools do.
    ~DeviceHolder();

private:
    sys::UniqueFd m_fd;
    How m_how;
};

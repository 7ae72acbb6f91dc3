#pragma once
// vandrel-sim running for one test or benchmark: its flash, link and log in a folder of
// the caller's; ended when the object goes.

#include "system/child_process.h"

#include <string>
#include <vector>

class SimulatedVandrel {
public:
    SimulatedVandrel(const std::string& simulator, const std::string& folder, const std::vector<std::string>& options);
    ~SimulatedVandrel() { Stop(); }
    SimulatedVandrel(const SimulatedVandrel&) = delete;
    SimulatedVandrel& operator=(const SimulatedVandrel&) = delete;

    // The pseudo-terminal that stands for the device's serial port; empty if it did not start.
    const std::string& Device() const { return m_device; }
    std::string FlashFile() const { return m_folder + "/device.flash"; }
    // What the device said, once stopped.
    std::string Log() const;
    void Stop();

private:
    std::string m_folder;
    std::string m_device;
    sys::ChildProcess m_process;
};

#pragma once
// Faults of the line and the device on demand, each once at a byte of what the host sends
// (counted from 0): a byte dropped, corrupted or doubled, a stall of the device, a reset.

#include <string>
#include <vector>

namespace flash {

struct Fault {
    enum class Kind { Drop, Corrupt, Duplicate, Stall, Reset } kind;
    long long at;
};

class FaultInjector {
public:
    explicit FaultInjector(std::vector<Fault> faults) : m_faults(std::move(faults)) {}

    struct Passed {
        std::string bytes;  // what reaches the device
        bool reset = false; // the device restarts before it gets bytes
        bool stall = false; // the device stops answering for a while first
    };
    Passed Pass(const std::string& received);

private:
    std::vector<Fault> m_faults;
    long long m_received = 0;
};

} // namespace flash

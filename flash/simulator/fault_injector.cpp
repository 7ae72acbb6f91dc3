#include "fault_injector.h"

namespace flash {

FaultInjector::Passed FaultInjector::Pass(const std::string& received)
{
    Passed passed;
    for (const char original : received) {
        char byte = original;
        bool keep = true, twice = false;
        for (const Fault& fault : m_faults) {
            if (fault.at != m_received)
                continue;
            switch (fault.kind) {
            case Fault::Kind::Drop: keep = false; break;
            case Fault::Kind::Corrupt: byte = static_cast<char>(byte ^ 0x5A); break;
            case Fault::Kind::Duplicate: twice = true; break;
            case Fault::Kind::Stall: passed.stall = true; break;
            case Fault::Kind::Reset:
                // What came before the reset is lost with the device's memory.
                passed.bytes.clear();
                passed.reset = true;
                keep = false;
                break;
            }
        }
        ++m_received;
        if (keep)
            passed.bytes += byte;
        if (twice)
            passed.bytes += byte;
    }
    return passed;
}

} // namespace flash

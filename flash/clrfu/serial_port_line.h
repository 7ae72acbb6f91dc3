#pragma once
// The link to the device over a claimed serial port.

#include "flasher.h"
#include "system/serial_line.h"

namespace flash {

class SerialPortLine final : public Line {
public:
    explicit SerialPortLine(sys::SerialLine& line) : m_line(line) {}
    bool Write(const std::string& bytes) override { return m_line.Write(bytes); }
    std::string Read(int timeoutMs, bool& failed) override { return m_line.Read(timeoutMs, failed); }

private:
    sys::SerialLine& m_line;
};

} // namespace flash

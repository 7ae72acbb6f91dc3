#pragma once
// A serial port claimed for real work: exclusive mode, an flock and a lock file keep every
// other serial tool out; the line is raw 8N1 at the chosen rate, and its settings are
// given back when the claim ends.

#include "system/unique_fd.h"

#include <string>
#include <termios.h>

namespace sys {

class SerialLine {
public:
    SerialLine() = default;
    SerialLine(SerialLine&& other) noexcept;
    SerialLine& operator=(SerialLine&&) = delete;
    SerialLine(const SerialLine&) = delete;
    ~SerialLine();

    // error says why the port cannot be claimed ("in use by another program", ...).
    static SerialLine Claim(const std::string& device, int baud, std::string& error, const std::string& lockDir = "/run/lock");
    static bool IsSupportedRate(int baud);

    bool IsOpen() const { return m_fd.IsOpen(); }
    int Fd() const { return m_fd.Get(); }
    // Writes everything, waiting for room on the line; false when the line fails.
    bool Write(const std::string& bytes);
    // What arrives within timeoutMs; empty if nothing; false in failed when the line fails.
    std::string Read(int timeoutMs, bool& failed);

private:
    UniqueFd m_fd;
    termios m_saved {};
    std::string m_lockFile;
};

} // namespace sys

#pragma once
// A program run on a pseudo-terminal of its own, as the leader of a new session, so that
// its output, progress lines included, arrives as a terminal would show it, and so that
// it and everything it started can be ended together.

#include "system/unique_fd.h"

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace sys {

class PtyChild {
public:
    PtyChild() = default;
    PtyChild(PtyChild&& other) noexcept;
    PtyChild& operator=(PtyChild&& other) noexcept;
    ~PtyChild(); // ends the child's process group if it still runs

    // Starts program (a path) with the arguments, in the current directory, on a terminal
    // of columns x rows; error is the system's error number when it cannot start.
    static PtyChild Start(const std::string& program, const std::vector<std::string>& arguments, int columns,
                          int rows, int& error);

    // The terminal's other side, non-blocking: output to read, input to write.
    int Master() const { return m_master.Get(); }
    pid_t Pid() const { return m_pid; }
    bool IsRunning() const { return m_pid > 0; }

    // The exit status (or 128 + signal) once the child has ended; nothing while it runs.
    std::optional<int> TryReap();
    // Hangs up the child's session and ends its whole process group; waits for the child.
    void EndGroup();

private:
    UniqueFd m_master;
    pid_t m_pid = -1;
};

} // namespace sys

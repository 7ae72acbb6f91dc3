#pragma once
// A program started by this one, waited for by its owner. A child that was not waited for
// is left to run on when its owner goes.

#include <string>
#include <sys/types.h>
#include <vector>

namespace sys {

class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    // Starts program (a path) with argv[0] = program and the arguments; error is the
    // system's error number when it cannot start.
    static ChildProcess Start(const std::string& program, const std::vector<std::string>& arguments, int& error);

    bool IsRunning() const { return m_pid > 0; }
    pid_t Pid() const { return m_pid; }
    // Waits without a time-out; the exit status, or 128 + signal.
    int Wait();

private:
    explicit ChildProcess(pid_t pid) : m_pid(pid) {}
    pid_t m_pid = -1;
};

} // namespace sys

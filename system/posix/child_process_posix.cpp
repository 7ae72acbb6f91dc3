#include "system/child_process.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <utility>

extern char** environ;

namespace sys {

ChildProcess::ChildProcess(ChildProcess&& other) noexcept : m_pid(std::exchange(other.m_pid, -1)) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept
{
    m_pid = std::exchange(other.m_pid, -1);
    return *this;
}

ChildProcess::~ChildProcess() = default;

ChildProcess ChildProcess::Start(const std::string& program, const std::vector<std::string>& arguments, int& error)
{
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    error = ::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ);
    return error == 0 ? ChildProcess(pid) : ChildProcess();
}

int ChildProcess::Wait()
{
    if (m_pid <= 0)
        return -1;
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace sys

#include "system/pty_child.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

extern char** environ;

namespace sys {

namespace {

int StatusOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }

std::vector<std::string> ChildEnvironment()
{
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry)
        if (std::strncmp(*entry, "TERM=", 5) != 0)
            variables.emplace_back(*entry);
    variables.emplace_back("TERM=dumb");
    return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& words)
{
    std::vector<char*> pointers;
    for (std::string& word : words)
        pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

PtyChild::PtyChild(PtyChild&& other) noexcept : m_master(std::move(other.m_master)), m_pid(std::exchange(other.m_pid, -1)) {}

PtyChild& PtyChild::operator=(PtyChild&& other) noexcept
{
    if (this != &other) {
        EndGroup();
        m_master = std::move(other.m_master);
        m_pid = std::exchange(other.m_pid, -1);
    }
    return *this;
}

PtyChild::~PtyChild() { EndGroup(); }

PtyChild PtyChild::Start(const std::string& program, const std::vector<std::string>& arguments, int columns, int rows,
                         int& error)
{
    PtyChild child;
    error = 0;
    child.m_master = UniqueFd(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (child.m_master.IsOpen())
        ::fcntl(child.m_master.Get(), F_SETFL, O_NONBLOCK);
    char slaveName[128] = {};
    if (!child.m_master.IsOpen() || ::grantpt(child.m_master.Get()) != 0 || ::unlockpt(child.m_master.Get()) != 0 ||
        ::ptsname_r(child.m_master.Get(), slaveName, sizeof slaveName) != 0) {
        error = errno;
        return {};
    }
    const winsize size{static_cast<unsigned short>(rows), static_cast<unsigned short>(columns), 0, 0};
    ::ioctl(child.m_master.Get(), TIOCSWINSZ, &size);

    // Everything the child needs is made before the fork: after it, only calls that are
    // safe in a copy of a threaded process.
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<std::string> variables = ChildEnvironment();
    std::vector<char*> argv = Pointers(words), envp = Pointers(variables);
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        error = errno;
        return {};
    }
    UniqueFd reportRead(report[0]), reportWrite(report[1]);

    const pid_t pid = ::fork();
    if (pid < 0) {
        error = errno;
        return {};
    }
    if (pid == 0) {
        ::setsid();
        const int slave = ::open(slaveName, O_RDWR);
        if (slave >= 0) {
            ::ioctl(slave, TIOCSCTTY, 0);
            ::dup2(slave, 0);
            ::dup2(slave, 1);
            ::dup2(slave, 2);
            if (slave > 2)
                ::close(slave);
            ::signal(SIGPIPE, SIG_DFL);
            ::execve(program.c_str(), argv.data(), envp.data());
        }
        const int failure = errno;
        (void)!::write(reportWrite.Get(), &failure, sizeof failure);
        ::_exit(127);
    }
    reportWrite.Reset();
    int failure = 0;
    ssize_t got = 0;
    do
        got = ::read(reportRead.Get(), &failure, sizeof failure);
    while (got < 0 && errno == EINTR);
    child.m_pid = pid;
    if (got == static_cast<ssize_t>(sizeof failure)) {
        error = failure;
        ::waitpid(pid, nullptr, 0);
        child.m_pid = -1;
        return {};
    }
    return child;
}

std::optional<int> PtyChild::TryReap()
{
    if (m_pid <= 0)
        return std::nullopt;
    int status = 0;
    const pid_t done = ::waitpid(m_pid, &status, WNOHANG);
    if (done != m_pid)
        return std::nullopt;
    m_pid = -1;
    return StatusOf(status);
}

void PtyChild::EndGroup()
{
    if (m_pid <= 0)
        return;
    // The child leads its own session and group: its group id is its pid, and stays in
    // use while any member of the group lives.
    const pid_t group = m_pid;
    ::kill(-group, SIGHUP);
    ::kill(-group, SIGTERM);
    for (int wait = 0; wait < 20 && TryReap() == std::nullopt; ++wait)
        ::usleep(10000);
    if (m_pid > 0) {
        ::kill(-group, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }
    // Whatever of the group outlived its leader goes too.
    ::kill(-group, SIGKILL);
}

} // namespace sys

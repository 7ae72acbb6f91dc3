#include "system/serial_line.h"

#include "system/serial_probe.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace sys {

namespace {

speed_t SpeedFor(int baud)
{
    switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    default: return B0;
    }
}

// A lock file with this process's id; false if a live process holds one already.
bool TakeLockFile(const std::string& path)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
        if (fd.IsOpen()) {
            char text[16];
            const int length = std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(::getpid()));
            return ::write(fd.Get(), text, static_cast<std::size_t>(length)) == length;
        }
        if (errno != EEXIST)
            return true; // no lock directory to write to: the other two claims still hold
        if (LockFileHeldByLiveProcess(path))
            return false;
        ::unlink(path.c_str()); // stale
    }
    return false;
}

} // namespace

bool SerialLine::IsSupportedRate(int baud) { return SpeedFor(baud) != B0; }

SerialLine::SerialLine(SerialLine&& other) noexcept
    : m_fd(std::move(other.m_fd)), m_saved(other.m_saved), m_lockFile(std::move(other.m_lockFile))
{
    other.m_lockFile.clear();
}

SerialLine::~SerialLine()
{
    if (m_fd.IsOpen()) {
        ::tcdrain(m_fd.Get());
        ::tcsetattr(m_fd.Get(), TCSANOW, &m_saved);
        ::ioctl(m_fd.Get(), TIOCNXCL); // the lock goes with the descriptor, after this
    }
    if (!m_lockFile.empty())
        ::unlink(m_lockFile.c_str());
}

SerialLine SerialLine::Claim(const std::string& device, int baud, std::string& error, const std::string& lockDir)
{
    SerialLine line;
    const PortState state = ProbeSerialDevice(device, {lockDir, "/sys/class/tty/console/active"});
    if (state != PortState::Available) {
        error = PortStateName(state);
        return {};
    }
    const std::string lockFile = (std::filesystem::path(lockDir) / LockFileName(device)).string();
    if (!TakeLockFile(lockFile)) {
        error = PortStateName(PortState::Busy);
        return {};
    }
    line.m_lockFile = lockFile;
    line.m_fd = UniqueFd(::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    // The lock before exclusive mode, so that whoever sees exclusive mode without a lock
    // knows that its owner has gone.
    if (!line.m_fd.IsOpen() || ::flock(line.m_fd.Get(), LOCK_EX | LOCK_NB) != 0 || ::ioctl(line.m_fd.Get(), TIOCEXCL) != 0 ||
        ::tcgetattr(line.m_fd.Get(), &line.m_saved) != 0) {
        error = errno == EWOULDBLOCK || errno == EBUSY ? PortStateName(PortState::Busy) : "cannot be opened";
        return {};
    }
    termios raw = line.m_saved;
    ::cfmakeraw(&raw);
    raw.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS);
    raw.c_cflag |= CS8 | CLOCAL | CREAD;
    raw.c_cc[VMIN] = 0;
    raw.c_cc[VTIME] = 0;
    ::cfsetispeed(&raw, SpeedFor(baud));
    ::cfsetospeed(&raw, SpeedFor(baud));
    if (::tcsetattr(line.m_fd.Get(), TCSANOW, &raw) != 0) {
        error = "does not take the line settings";
        return {};
    }
    ::tcflush(line.m_fd.Get(), TCIOFLUSH);
    return line;
}

bool SerialLine::Write(const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(m_fd.Get(), bytes.data() + done, bytes.size() - done);
        if (put > 0) {
            done += static_cast<std::size_t>(put);
            continue;
        }
        if (put < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd room{m_fd.Get(), POLLOUT, 0};
        if (::poll(&room, 1, 5000) <= 0)
            return false; // the line has not taken a byte in five seconds
    }
    return true;
}

std::string SerialLine::Read(int timeoutMs, bool& failed)
{
    failed = false;
    pollfd ready{m_fd.Get(), POLLIN, 0};
    const int got = ::poll(&ready, 1, timeoutMs);
    if (got <= 0)
        return {};
    char buffer[4096];
    const ssize_t size = ::read(m_fd.Get(), buffer, sizeof buffer);
    if (size < 0 && errno != EAGAIN && errno != EINTR)
        failed = true;
    return size > 0 ? std::string(buffer, static_cast<std::size_t>(size)) : std::string();
}

} // namespace sys

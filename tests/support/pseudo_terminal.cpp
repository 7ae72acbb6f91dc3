#include "pseudo_terminal.h"

#include <fcntl.h>
#include <stdexcept>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/ioctl.h>

PseudoTerminal::PseudoTerminal() : m_master(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC))
{
    if (!m_master.IsOpen() || ::grantpt(m_master.Get()) != 0 || ::unlockpt(m_master.Get()) != 0)
        throw std::runtime_error("no pseudo-terminal");
    char name[128] = {};
    if (::ptsname_r(m_master.Get(), name, sizeof name) != 0)
        throw std::runtime_error("no pseudo-terminal name");
    m_slavePath = name;
}

DeviceHolder::DeviceHolder(const std::string& path, How how)
    : m_fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)), m_how(how)
{
    const bool held = m_fd.IsOpen() && (how == How::Flock ? ::flock(m_fd.Get(), LOCK_EX | LOCK_NB) == 0
                                                          : ::ioctl(m_fd.Get(), TIOCEXCL) == 0);
    if (!held)
        throw std::runtime_error("cannot hold " + path);
}

DeviceHolder::~DeviceHolder()
{
    if (m_how == How::Exclusive)
        ::ioctl(m_fd.Get(), TIOCNXCL);
}

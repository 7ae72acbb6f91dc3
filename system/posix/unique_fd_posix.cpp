#include "system/unique_fd.h"

#include <cerrno>
#include <unistd.h>

namespace sys {

int UniqueFd::Close()
{
    if (m_fd < 0)
        return 0;
    const int fd = std::exchange(m_fd, -1);
    return ::close(fd) == 0 ? 0 : errno;
}

} // namespace sys

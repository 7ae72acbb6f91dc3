#include "system/files.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sys {

OpenResult OpenLocked(const std::string& path, FileAccess access, FileCreation creation)
{
    int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    flags |= access == FileAccess::Read ? O_RDONLY : O_RDWR;
    if (creation == FileCreation::CreateOrEmpty)
        flags |= O_CREAT | O_NOFOLLOW;
    OpenResult result;
    result.fd = UniqueFd(::open(path.c_str(), flags, 0666));
    if (!result.fd.IsOpen()) {
        result.error = errno; // ELOOP: a symbolic link stands at the path
        return result;
    }
    if (::flock(result.fd.Get(), LOCK_EX | LOCK_NB) != 0) {
        result.error = errno == EWOULDBLOCK ? EBUSY : errno;
        result.fd.Reset();
        return result;
    }
    if (creation == FileCreation::CreateOrEmpty && ::ftruncate(result.fd.Get(), 0) != 0) {
        result.error = errno;
        result.fd.Reset();
    }
    return result;
}

IoResult ReadSome(int fd, void* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t got = ::read(fd, buffer, size);
        if (got >= 0)
            return {static_cast<std::size_t>(got), 0};
        if (errno == EAGAIN)
            return {0, 0}; // a pipe with nothing in it reads as empty
        if (errno != EINTR)
            return {0, errno};
    }
}

IoResult WriteAll(int fd, const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t put = ::write(fd, bytes + done, size - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return {done, errno};
        }
        if (put == 0)
            return {done, ENOSPC};
        done += static_cast<std::size_t>(put);
    }
    return {done, 0};
}

int RemoveFile(const std::string& path)
{
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int ReplaceFileAtomically(const std::string& path, const std::string& contents)
{
    mode_t mode = 0644;
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode))
            return EISDIR;
        if ((existing.st_mode & S_IWUSR) == 0)
            return EACCES;
        mode = existing.st_mode & 07777;
    }
    const std::string temporary = path + ".tmp-" + std::to_string(::getpid());
    UniqueFd fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, mode));
    if (!fd.IsOpen())
        return errno;
    int error = WriteAll(fd.Get(), contents.data(), contents.size()).error;
    if (error == 0 && ::fsync(fd.Get()) != 0)
        error = errno;
    if (const int closeError = fd.Close(); error == 0)
        error = closeError;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.c_str());
    return error;
}

bool ReadWholeFile(const std::string& path, std::string& contents)
{
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.IsOpen())
        return false;
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    contents.clear();
    char buffer[4096];
    for (;;) {
        const IoResult got = ReadSome(fd.Get(), buffer, sizeof buffer);
        if (got.error != 0)
            return false;
        if (got.bytes == 0)
            return true;
        contents.append(buffer, got.bytes);
    }
}

} // namespace sys

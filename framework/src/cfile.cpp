#include "framework/cfile.h"

#include "system/files.h"

#include <cerrno>

CFile::~CFile() = default;

bool CFile::Open(const char* path, unsigned flags, CFileException* error)
{
    m_fd.Reset();
    const bool create = (flags & modeCreate) != 0 && (flags & modeNoTruncate) == 0;
    const bool writes = (flags & (modeWrite | modeReadWrite)) != 0;
    sys::OpenResult opened = sys::OpenLocked(path, writes ? sys::FileAccess::ReadWrite : sys::FileAccess::Read,
                                             create ? sys::FileCreation::CreateOrEmpty : sys::FileCreation::OpenExisting);
    if (opened.error != 0) {
        if (error)
            *error = CFileException(CFileException::CauseFromErrno(opened.error), opened.error, path);
        return false;
    }
    m_fd = std::move(opened.fd);
    m_strFileName = path;
    return true;
}

std::size_t CFile::Read(void* buffer, std::size_t count)
{
    const sys::IoResult got = sys::ReadSome(m_fd.Get(), buffer, count);
    if (got.error != 0)
        throw CFileException(CFileException::CauseFromErrno(got.error), got.error);
    return got.bytes;
}

void CFile::Write(const void* data, std::size_t count)
{
    const sys::IoResult put = sys::WriteAll(m_fd.Get(), data, count);
    if (put.error != 0)
        throw CFileException(CFileException::CauseFromErrno(put.error), put.error, m_strFileName);
}

void CFile::Close()
{
    if (const int error = m_fd.Close(); error != 0)
        throw CFileException(CFileException::CauseFromErrno(error), error);
}

void CFile::Remove(const char* path)
{
    if (const int error = sys::RemoveFile(path); error != 0)
        throw CFileException(CFileException::CauseFromErrno(error), error);
}

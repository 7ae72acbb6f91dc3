#include "framework/cfile_exception.h"

#include <cerrno>
#include <string>

int CFileException::CauseFromErrno(int error)
{
    switch (error) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG: return badPath;
    case EMFILE:
    case ENFILE: return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS: return accessDenied;
    case EBADF: return invalidFile;
    case EIO: return hardIO;
    case ETXTBSY:
    case EBUSY: return sharingViolation;
    case ENOSPC:
    case EDQUOT: return diskFull;
    default: return genericException;
    }
}

namespace {

const char* TextForCause(int cause)
{
    static const char* const texts[] = {
        "No error occurred.",
        "An unknown error occurred while accessing %1.",
        "%1 was not found.",
        "%1 contains an invalid path.",
        "%1 could not be opened because there are too many open files.",
        "Access to %1 was denied.",
        "An invalid file handle was associated with %1.",
        "%1 could not be removed because it is the current directory.",
        "%1 could not be created because the directory is full.",
        "Seek failed on %1",
        "A hardware I/O error was reported while accessing %1.",
        "A sharing violation occurred while accessing %1.",
        "A locking violation occurred while accessing %1.",
        "Disk full while accessing %1.",
        "An attempt was made to access %1 past its end.",
    };
    const bool known = cause >= 0 && cause < static_cast<int>(std::size(texts));
    return texts[known ? cause : CFileException::genericException];
}

} // namespace

CString CFileException::GetErrorMessage() const
{
    std::string text = TextForCause(m_cause);
    const std::string name = m_strFileName.IsEmpty() ? "an unnamed file" : m_strFileName.Str();
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, name);
    return CString(std::move(text));
}

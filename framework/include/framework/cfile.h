#pragma once
// A file of the program. Open reports failure by its result; read, write, close and
// remove report failure by throwing CFileException.

#include "framework/cfile_exception.h"
#include "system/unique_fd.h"

#include <cstddef>

class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
    };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile(); // closes a file still open, without throwing

    // Every open is exclusive: no other opener may share the file while it is open.
    bool Open(const char* path, unsigned flags, CFileException* error = nullptr);
    std::size_t Read(void* buffer, std::size_t count);
    void Write(const void* data, std::size_t count);
    void Close();
    static void Remove(const char* path);

    const CString& GetFilePath() const { return m_strFileName; }

private:
    sys::UniqueFd m_fd;
    CString m_strFileName;
};

#pragma once
// The failure of a file operation, as the file class reports it by throwing.

#include "framework/cstring.h"

class CFileException {
public:
    enum Cause {
        none = 0,
        genericException = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14,
    };

    CFileException(int cause, int osError, CString fileName = CString())
        : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName)) {}

    static int CauseFromErrno(int error);

    // The text for the cause, naming the file, or "an unnamed file" when none is attached.
    CString GetErrorMessage() const;

    int m_cause;
    int m_lOsError;
    CString m_strFileName;
};

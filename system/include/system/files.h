#pragma once
// Files of the program: opened with an exclusive advisory lock, read, written, removed.
// Every failure comes back as the system's error number; 0 means success.

#include "system/unique_fd.h"

#include <cstddef>
#include <string>

namespace sys {

enum class FileAccess { Read, ReadWrite };
enum class FileCreation { OpenExisting, CreateOrEmpty };

struct OpenResult {
    UniqueFd fd;
    int error = 0;
};

// The lock is held until the descriptor closes; a file that another program holds
// locked gives EBUSY. CreateOrEmpty never follows a symbolic link at the path, and
// empties the file only once the lock is held.
OpenResult OpenLocked(const std::string& path, FileAccess access, FileCreation creation);

struct IoResult {
    std::size_t bytes = 0;
    int error = 0;
};

IoResult ReadSome(int fd, void* buffer, std::size_t size);
IoResult WriteAll(int fd, const void* data, std::size_t size);
int RemoveFile(const std::string& path);

// Replaces the file at path by one holding exactly contents, so that a reader sees
// either the old or the new file whole. A file whose owner has no write permission
// is left alone and gives EACCES.
int ReplaceFileAtomically(const std::string& path, const std::string& contents);

bool ReadWholeFile(const std::string& path, std::string& contents);

} // namespace sys

#pragma once
// A folder of its own for one test, removed with everything in it afterwards.

#include <filesystem>
#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

    // Writes bytes to the file name below the folder, creating its parents.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

std::string ReadFile(const std::string& path);

#pragma once
// The per-user profile: named 32-bit integers grouped in sections, kept in one INI file.
// Reading never fails (a missing or unusable value gives the caller's default); a write
// rewrites the whole file atomically and keeps every other line of it as it was.

#include <string>

class IniProfile {
public:
    explicit IniProfile(std::string path) : m_path(std::move(path)) {}

    int ReadInt(const std::string& section, const std::string& entry, int defaultValue) const;
    bool WriteInt(const std::string& section, const std::string& entry, int value) const;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

#include "framework/ini_profile.h"

#include "system/files.h"
#include "system/ini_text.h"

#include <filesystem>



int IniProfile::ReadInt(const std::string& section, const std::string& entry, int defaultValue) const
{
    std::string text, valueText;
    int value = 0;
    if (sys::ReadWholeFile(m_path, text) && sys::ini::FindValue(text, section, entry, valueText) &&
        sys::ini::ParseInt32(valueText, value))
        return value;
    return defaultValue;
}

bool IniProfile::WriteInt(const std::string& section, const std::string& entry, int value) const
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), error);
    std::string text;
    if (std::filesystem::exists(m_path, error) && !sys::ReadWholeFile(m_path, text))
        return false;
    return sys::ReplaceFileAtomically(m_path, sys::ini::WithValue(text, section, entry, std::to_string(value))) == 0;
}

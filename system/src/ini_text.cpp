#include "system/ini_text.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace sys::ini {


namespace {

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// "[name]" gives name; any other line is not a section header.
bool SectionHeader(const std::string& line, std::string& name)
{
    const std::string trimmed = Trimmed(line);
    if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']')
        return false;
    name = Trimmed(trimmed.substr(1, trimmed.size() - 2));
    return true;
}

bool KeyLine(const std::string& line, std::string& key, std::string& value)
{
    const auto equals = line.find('=');
    if (equals == std::string::npos)
        return false;
    key = Trimmed(line.substr(0, equals));
    value = Trimmed(line.substr(equals + 1));
    return !key.empty();
}

} // namespace

bool ParseInt32(const std::string& text, int& value)
{
    const std::string trimmed = Trimmed(text);
    if (trimmed.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(trimmed.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool FindValue(const std::string& text, const std::string& section, const std::string& entry, std::string& value)
{
    bool inSection = false;
    for (const std::string& line : Lines(text)) {
        std::string name, key;
        if (SectionHeader(line, name))
            inSection = SameName(name, section);
        else if (inSection && KeyLine(line, key, value) && SameName(key, entry))
            return true;
    }
    return false;
}

std::vector<std::pair<std::string, std::string>> Entries(const std::string& text, const std::string& section)
{
    std::vector<std::pair<std::string, std::string>> entries;
    bool inSection = false;
    for (const std::string& line : Lines(text)) {
        std::string name, key, value;
        if (SectionHeader(line, name))
            inSection = SameName(name, section);
        else if (inSection && KeyLine(line, key, value))
            entries.emplace_back(key, value);
    }
    return entries;
}

std::string WithValue(const std::string& text, const std::string& section, const std::string& entry,
                      const std::string& value)
{
    std::vector<std::string> lines = Lines(text);
    const std::string newLine = entry + "=" + value;
    bool inSection = false;
    std::size_t sectionEnd = lines.size();
    bool sectionFound = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string name, key, oldValue;
        if (SectionHeader(lines[i], name)) {
            if (inSection)
                sectionEnd = i;
            inSection = SameName(name, section);
            if (inSection) {
                sectionFound = true;
                sectionEnd = lines.size();
            }
        } else if (inSection && KeyLine(lines[i], key, oldValue) && SameName(key, entry)) {
            lines[i] = newLine;
            inSection = false;
            sectionFound = true;
            sectionEnd = std::string::npos; // replaced in place
            break;
        }
    }
    if (!sectionFound) {
        if (!lines.empty() && !Trimmed(lines.back()).empty())
            lines.emplace_back();
        lines.push_back("[" + section + "]");
        lines.push_back(newLine);
    } else if (sectionEnd != std::string::npos) {
        // after the section's last non-blank line
        std::size_t at = sectionEnd;
        while (at > 0 && Trimmed(lines[at - 1]).empty())
            --at;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), newLine);
    }
    std::string result;
    for (const std::string& line : lines)
        result += line + "\n";
    return result;
}

} // namespace sys::ini

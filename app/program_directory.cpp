#include "app/program_directory.h"

#include <cctype>
#include <string>

bool NoLeadBytes(unsigned char) { return false; }

namespace {

bool IsWhiteSpace(char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); }

// Lower-cases single-byte characters only; the second byte of a double-byte character
// is never a letter of its own.
std::string Lowered(const std::string& text, LeadBytePredicate isLeadByte)
{
    std::string lowered = text;
    for (std::size_t i = 0; i < lowered.size(); ++i) {
        const auto byte = static_cast<unsigned char>(lowered[i]);
        if (isLeadByte(byte))
            ++i;
        else
            lowered[i] = static_cast<char>(std::tolower(byte));
    }
    return lowered;
}

// Index of the first ch at or after start, stepping over double-byte characters; npos if none.
std::size_t FindChar(const std::string& text, char ch, std::size_t start, LeadBytePredicate isLeadByte)
{
    for (std::size_t i = start; i < text.size(); ++i) {
        if (isLeadByte(static_cast<unsigned char>(text[i])))
            ++i;
        else if (text[i] == ch)
            return i;
    }
    return std::string::npos;
}

std::size_t FindLastChar(const std::string& text, char ch, LeadBytePredicate isLeadByte)
{
    std::size_t last = std::string::npos;
    for (std::size_t at = FindChar(text, ch, 0, isLeadByte); at != std::string::npos;
         at = FindChar(text, ch, at + 1, isLeadByte))
        last = at;
    return last;
}

} // namespace

CString ProgramDirFromCommandLine(const CString& commandLine, LeadBytePredicate isLeadByte)
{
    std::string line = Lowered(commandLine.Str(), isLeadByte);
    std::string programPath;
    if (!line.empty() && line.front() == '"') {
        line.front() = ' ';
        std::size_t first = 0;
        while (first < line.size() && IsWhiteSpace(line[first]))
            ++first;
        line.erase(0, first);
        const std::size_t quote = FindChar(line, '"', 0, isLeadByte);
        if (quote != std::string::npos)
            programPath = line.substr(0, quote);
    } else {
        programPath = line.substr(0, FindChar(line, ' ', 0, isLeadByte));
    }
    const std::size_t backslash = FindLastChar(programPath, '\\', isLeadByte);
    return backslash == std::string::npos ? CString() : CString(programPath.substr(0, backslash));
}

CString ProgramDirFromExecutablePath(const CString& executablePath)
{
    const int slash = executablePath.ReverseFind('/');
    return slash < 0 ? CString() : executablePath.Left(slash);
}

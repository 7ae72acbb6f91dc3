#include "selection/version_file.h"

#include "framework/cfile.h"

namespace {

constexpr std::size_t kBytesRead = 15;
constexpr std::size_t kLongestVersion = 10;
const char kUnknownVersion[] = "???";

bool IsPrintable(char ch) { return ch >= 0x20 && ch <= 0x7E; }

} // namespace

CString VersionFromBytes(const char* bytes, std::size_t count)
{
    std::size_t accepted = 0;
    while (accepted < count && accepted < kLongestVersion && IsPrintable(bytes[accepted]))
        ++accepted;
    return accepted == 0 ? CString(kUnknownVersion) : CString(bytes, accepted);
}

CString ReadFirmwareVersion(const CString& binDir)
{
    CFile file;
    if (!file.Open(binDir + "/Version.txt", CFile::modeRead | CFile::shareExclusive | CFile::modeNoTruncate))
        return kUnknownVersion;
    char buffer[kBytesRead];
    std::size_t got = 0;
    try {
        got = file.Read(buffer, sizeof buffer);
    } catch (const CFileException&) {
        // A file that opens but cannot be read (a folder, a failing disk) names no version,
        // and the dialog goes on.
        return kUnknownVersion;
    }
    return VersionFromBytes(buffer, got);
}

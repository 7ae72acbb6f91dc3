#include "command_lookup.h"

#include <cctype>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool IsExecutableFile(const fs::path& candidate)
{
    std::error_code error;
    return fs::is_regular_file(candidate, error) && ::access(candidate.c_str(), X_OK) == 0;
}

std::vector<std::string> Spellings(const std::string& name)
{
    std::vector<std::string> spellings{name};
    if (name.size() > 4) {
        std::string extension = name.substr(name.size() - 4);
        for (char& ch : extension)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (extension == ".exe")
            spellings.push_back(name.substr(0, name.size() - 4));
    }
    return spellings;
}

} // namespace

std::string FindCommand(const std::string& name, const std::string& currentDirectory, const std::string& path)
{
    if (name.empty())
        return {};
    std::vector<fs::path> places;
    if (name.find('/') != std::string::npos) {
        places.push_back(fs::path(name).is_absolute() ? fs::path() : fs::path(currentDirectory));
    } else {
        places.push_back(currentDirectory);
        std::size_t start = 0;
        while (start <= path.size()) {
            std::size_t end = path.find(':', start);
            if (end == std::string::npos)
                end = path.size();
            if (end > start)
                places.emplace_back(path.substr(start, end - start));
            start = end + 1;
        }
    }
    for (const fs::path& place : places)
        for (const std::string& spelling : Spellings(name))
            if (const fs::path candidate = place / spelling; IsExecutableFile(candidate))
                return candidate.string();
    return {};
}

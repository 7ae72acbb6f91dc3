#include "temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vdflash-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code error;
    // Give back write permission first, so read-only fixtures go too.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error))
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     error);
    std::filesystem::remove_all(m_path, error);
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const
{
    const auto path = m_path / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

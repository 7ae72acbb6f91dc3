#include "framework/cfile.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cerrno>
#include <filesystem>

namespace {

struct ErrnoCase {
    int error;
    int cause;
};

void PrintTo(const ErrnoCase& c, std::ostream* out) { *out << "errno " << c.error; }

class ErrnoToCause : public ::testing::TestWithParam<ErrnoCase> {};

TEST_P(ErrnoToCause, MapsTheSystemErrorToTheFileCause)
{
    EXPECT_EQ(CFileException::CauseFromErrno(GetParam().error), GetParam().cause);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ErrnoToCause,
    ::testing::Values(ErrnoCase{0, 0}, ErrnoCase{ENOENT, 2}, ErrnoCase{ENOTDIR, 3}, ErrnoCase{ENAMETOOLONG, 3},
                      ErrnoCase{EMFILE, 4}, ErrnoCase{ENFILE, 4}, ErrnoCase{EACCES, 5}, ErrnoCase{EPERM, 5},
                      ErrnoCase{EROFS, 5}, ErrnoCase{EBADF, 6}, ErrnoCase{EIO, 10}, ErrnoCase{ETXTBSY, 11},
                      ErrnoCase{EBUSY, 11}, ErrnoCase{ENOSPC, 13}, ErrnoCase{EDQUOT, 13}, ErrnoCase{EINVAL, 1},
                      ErrnoCase{ELOOP, 1}, ErrnoCase{EEXIST, 1}));

TEST(FileExceptionText, NamesTheFileOrAnUnnamedFile)
{
    EXPECT_EQ(CFileException(CFileException::accessDenied, EACCES, "/x/VDFlash.bat").GetErrorMessage().Str(),
              "Access to /x/VDFlash.bat was denied.");
    EXPECT_EQ(CFileException(CFileException::fileNotFound, ENOENT).GetErrorMessage().Str(),
              "an unnamed file was not found.");
    EXPECT_EQ(CFileException(CFileException::badSeek, 0, "f").GetErrorMessage().Str(), "Seek failed on f");
    EXPECT_EQ(CFileException(CFileException::none, 0).GetErrorMessage().Str(), "No error occurred.");
    EXPECT_EQ(CFileException(99, 0, "f").GetErrorMessage().Str(), "An unknown error occurred while accessing f.");
}

TEST(File, AnOpenFileIsExclusive)
{
    TempDir dir;
    const std::string path = dir.Write("a.txt", "abc");
    CFile first;
    ASSERT_TRUE(first.Open(path.c_str(), CFile::modeRead | CFile::shareExclusive));
    CFile second;
    CFileException error(0, 0);
    EXPECT_FALSE(second.Open(path.c_str(), CFile::modeRead | CFile::shareExclusive, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
    first.Close();
    EXPECT_TRUE(second.Open(path.c_str(), CFile::modeRead | CFile::shareExclusive));
}

TEST(File, CreateEmptiesAnExistingFileAndWrites)
{
    TempDir dir;
    const std::string path = dir.Write("s.bat", "old contents that are longer");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive));
    file.Write("new", 3);
    file.Close();
    EXPECT_EQ(ReadFile(path), "new");
}

TEST(File, CreateRefusesASymbolicLinkAndLeavesItsTargetAlone)
{
    TempDir dir;
    const std::string target = dir.Write("precious.txt", "keep me");
    std::filesystem::create_symlink(target, dir.Path() / "s.bat");
    CFile file;
    EXPECT_FALSE(file.Open((dir / "s.bat").c_str(), CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive));
    EXPECT_EQ(ReadFile(target), "keep me");
}

TEST(File, FailuresAfterOpeningThrowWithTheirCause)
{
    TempDir dir;
    CFile closed;
    char byte = 0;
    EXPECT_THROW(closed.Read(&byte, 1), CFileException);
    try {
        CFile::Remove((dir / "missing").c_str());
        FAIL() << "removing a missing file must throw";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
        EXPECT_TRUE(error.m_strFileName.IsEmpty());
    }
    CFile missing;
    CFileException error(0, 0);
    EXPECT_FALSE(missing.Open((dir / "none/x").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
}

TEST(File, WriteToAFullDiskThrowsDiskFull)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    CFile full;
    ASSERT_TRUE(full.Open("/dev/full", CFile::modeReadWrite));
    try {
        full.Write("x", 1);
        FAIL() << "a write to /dev/full must throw";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.m_cause, CFileException::diskFull);
        EXPECT_EQ(error.m_strFileName.Str(), "/dev/full");
    }
}

} // namespace

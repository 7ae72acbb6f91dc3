#include "selection/version_file.h"
#include "system/unique_fd.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <ostream>

#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct VersionCase {
    const char* name;
    std::string bytes;
    const char* version;
};

void PrintTo(const VersionCase& c, std::ostream* out) { *out << c.name; }

class VersionFile : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionFile, GivesTheTextAtTheStart)
{
    TempDir bin;
    bin.Write("Version.txt", GetParam().bytes);
    EXPECT_EQ(ReadFirmwareVersion(bin.Path().c_str()).Str(), GetParam().version);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, VersionFile,
    ::testing::Values(VersionCase{"LineEnd", "1.05\r\n", "1.05"}, VersionCase{"NoLineEnd", "1.05", "1.05"},
                      VersionCase{"LongLineIsCut", "2.10 beta build 7\r\n", "2.10 beta "},
                      VersionCase{"LeadingBlankKept", " 1.05\r\n", " 1.05"},
                      VersionCase{"Utf8Bom", "\xEF\xBB\xBF" "1.05", "???"},
                      VersionCase{"Utf16LeBom", "\xFF\xFE" "1", "???"}, VersionCase{"Utf16BeBom", "\xFE\xFF", "???"},
                      VersionCase{"StartsWithLineEnd", "\r\n1.05", "???"},
                      VersionCase{"Utf16WithoutBom", std::string("1\0.\0" "0\0" "5\0", 8), "1"},
                      VersionCase{"ExactlyTen", "1234567890abc", "1234567890"},
                      VersionCase{"Empty", "", "???"}, VersionCase{"TabEnds", "1.0\t5", "1.0"},
                      VersionCase{"DeleteEnds", "1.0\x7F", "1.0"}),
    [](const ::testing::TestParamInfo<VersionCase>& row) { return std::string(row.param.name); });

TEST(VersionFileProblems, GiveQuestionMarks)
{
    TempDir root;
    EXPECT_EQ(ReadFirmwareVersion((root / "missing").c_str()).Str(), "???"); // no bin folder
    EXPECT_EQ(ReadFirmwareVersion(root.Path().c_str()).Str(), "???");       // no file

    std::filesystem::create_directories(root.Path() / "dir/Version.txt"); // a folder where the file should be
    EXPECT_EQ(ReadFirmwareVersion((root / "dir").c_str()).Str(), "???");

    std::filesystem::create_directories(root.Path() / "fifo");
    ASSERT_EQ(::mkfifo((root / "fifo/Version.txt").c_str(), 0600), 0);
    EXPECT_EQ(ReadFirmwareVersion((root / "fifo").c_str()).Str(), "???"); // never blocks
}

TEST(VersionFileProblems, AFileHeldByAnotherProgramCountsAsUnreadable)
{
    TempDir bin;
    const std::string path = bin.Write("Version.txt", "1.05\r\n");
    sys::UniqueFd holder(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    ASSERT_TRUE(holder.IsOpen());
    ASSERT_EQ(::flock(holder.Get(), LOCK_EX), 0);
    EXPECT_EQ(ReadFirmwareVersion(bin.Path().c_str()).Str(), "???");
    holder.Reset();
    EXPECT_EQ(ReadFirmwareVersion(bin.Path().c_str()).Str(), "1.05");
}

TEST(VersionFileProblems, NoReadPermissionGivesQuestionMarksForAnOrdinaryUser)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    TempDir bin;
    const std::string path = bin.Write("Version.txt", "1.05");
    ::chmod(path.c_str(), 0);
    EXPECT_EQ(ReadFirmwareVersion(bin.Path().c_str()).Str(), "???");
}

} // namespace

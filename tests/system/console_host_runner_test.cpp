#include "framework/script_runner.h"
#include "system/current_directory.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

class ConsoleHostRunner : public ::testing::Test {
protected:
    TempDir dir;
    const std::string startDirectory = sys::CurrentDirectory();
    void SetUp() override { sys::SetCurrentDirectory(dir.Path().string()); }
    void TearDown() override { sys::SetCurrentDirectory(startDirectory); }

    std::string Host(const std::string& body) const
    {
        const std::string path = dir.Write("host", "#!/bin/sh\n" + body);
        fs::permissions(path, fs::perms::owner_all);
        return path;
    }
};

TEST_F(ConsoleHostRunner, StartsTheHostOnTheScriptInTheCurrentDirectoryAndWaits)
{
    dir.Write("VDFlash.bat", "echo off\r\n");
    const auto runner = MakeConsoleHostRunner(Host("pwd > started-in.txt\necho \"$1\" > started-on.txt\n"));
    unsigned error = 0;
    const auto process = runner->StartScript("VDFlash.bat", error);
    ASSERT_NE(process, nullptr);
    process->Wait();
    EXPECT_EQ(ReadFile(dir / "started-on.txt"), "VDFlash.bat\n");
    EXPECT_EQ(fs::path(ReadFile(dir / "started-in.txt").substr(0, dir.Path().string().size())), dir.Path());
}

TEST_F(ConsoleHostRunner, AMissingScriptOrHostIsTheSystemsErrorCode)
{
    unsigned error = 0;
    EXPECT_EQ(MakeConsoleHostRunner(Host(""))->StartScript("VDFlash.bat", error), nullptr);
    EXPECT_EQ(error, 2U); // the script cannot be found
    dir.Write("VDFlash.bat", "");
    error = 0;
    EXPECT_EQ(MakeConsoleHostRunner(dir / "no-host")->StartScript("VDFlash.bat", error), nullptr);
    EXPECT_EQ(error, static_cast<unsigned>(ENOENT));
}

} // namespace

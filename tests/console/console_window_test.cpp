#include "console_window.h"
#include "system/current_directory.h"
#include "temp_dir.h"

#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

namespace fs = std::filesystem;

bool ProcessExists(pid_t pid) { return ::kill(pid, 0) == 0; }

class Console : public ::testing::Test {
protected:
    TempDir bin;
    const std::string startDirectory = sys::CurrentDirectory();
    std::optional<ConsoleWindow> window;
    std::optional<int> finished;

    void SetUp() override { sys::SetCurrentDirectory(bin.Path().string()); }
    void TearDown() override
    {
        window.reset();
        sys::SetCurrentDirectory(startDirectory);
    }

    void Tool(const std::string& name, const std::string& body) const
    {
        const std::string path = bin.Write(name, "#!/bin/sh\n" + body);
        fs::permissions(path, fs::perms::owner_all);
    }

    void Run(const std::string& script)
    {
        window.emplace("VDFlash.bat", script);
        window->onFinished = [this](int code) { finished = code; };
        window->show();
        window->Start();
    }

    std::vector<std::string> Lines() const { return window->Screen().Lines(); }
    bool WaitForPause() const
    {
        return QTest::qWaitFor([this] { return window->IsWaitingForKey() || finished; }, 10000) && !finished;
    }
};

TEST_F(Console, TheBannerShowsAndPauseWaitsForAKey)
{
    Run("echo off\r\ncls\r\necho.\r\necho Vandrel4 Network Firmware Update\r\necho   Serial port = COM3\r\n"
        "echo   Baud rate   = 57600\r\necho.\r\npause\r\n");
    ASSERT_TRUE(WaitForPause());
    EXPECT_EQ(Lines(), (std::vector<std::string>{"", "Vandrel4 Network Firmware Update", "  Serial port = COM3",
                                                 "  Baud rate   = 57600", "", "Press any key to continue . . . "}));
    QTest::keyClick(&*window, Qt::Key_Space);
    ASSERT_TRUE(finished.has_value());
    EXPECT_EQ(*finished, 0);
}

TEST_F(Console, AnExternalCommandRunsLiveOnATerminalAndTheScriptGoesOn)
{
    Tool("clRFU", "[ -t 1 ] && echo on-a-terminal\necho \"args: $*\"\nprintf 'progress  10%%\\rprogress 100%%\\n'\n"
                  "echo cwd=$(pwd)\n");
    Run("@echo off\r\nclRFU.exe   VD4-NW.bin  -v  -s 3:57600\r\necho after\r\npause\r\n");
    ASSERT_TRUE(WaitForPause());
    const std::vector<std::string> lines = Lines();
    ASSERT_GE(lines.size(), 6U);
    EXPECT_EQ(lines[0], "on-a-terminal");
    EXPECT_EQ(lines[1], "args: VD4-NW.bin -v -s 3:57600");
    EXPECT_EQ(lines[2], "progress 100%"); // the carriage return overwrote the line
    EXPECT_EQ(fs::path(lines[3].substr(4)), fs::canonical(bin.Path()));
    EXPECT_EQ(lines[4], "after");
}

TEST_F(Console, AMissingCommandIsReportedAndTheScriptGoesOn)
{
    Run("@echo off\r\nclRFU.exe VD4-NW.bin\r\necho still here\r\n");
    ASSERT_TRUE(QTest::qWaitFor([this] { return finished.has_value(); }, 5000));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"'clRFU.exe' is not recognized as an internal or external command,",
                                                 "operable program or batch file.", "still here", ""}));
}

TEST_F(Console, EchoOnShowsEachLineAfterThePrompt)
{
    Run("echo hello\r\n@echo quiet\r\n");
    ASSERT_TRUE(QTest::qWaitFor([this] { return finished.has_value(); }, 5000));
    const std::string prompt = sys::CurrentDirectory() + ">";
    EXPECT_EQ(Lines(), (std::vector<std::string>{"", prompt + "echo hello", "hello", "quiet", ""}));
}

TEST_F(Console, ClosingTheWindowEndsTheCommandAndWhatItStarted)
{
    Tool("clRFU", "echo $$ > leader.pid\nsleep 60 &\necho $! > helper.pid\nwait\n");
    Run("echo off\r\nclRFU.exe\r\npause\r\n");
    ASSERT_TRUE(QTest::qWaitFor([this] { return fs::exists(bin.Path() / "helper.pid") && fs::file_size(bin.Path() / "helper.pid") > 0; }, 10000));
    const pid_t leader = std::stoi(ReadFile(bin / "leader.pid"));
    const pid_t helper = std::stoi(ReadFile(bin / "helper.pid"));
    ASSERT_TRUE(ProcessExists(helper));
    window->close();
    ASSERT_TRUE(finished.has_value());
    EXPECT_EQ(*finished, 1);
    EXPECT_FALSE(window->IsRunningCommand());
    EXPECT_FALSE(ProcessExists(leader));
    EXPECT_TRUE(QTest::qWaitFor([helper] { return !ProcessExists(helper); }, 2000));
}

TEST_F(Console, KeysReachARunningCommand)
{
    Tool("ask", "read answer\necho \"got $answer\"\n");
    Run("@ask\r\n@pause\r\n");
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->IsRunningCommand(); }, 5000));
    QTest::keyClicks(&*window, "yes");
    QTest::keyClick(&*window, Qt::Key_Return);
    ASSERT_TRUE(WaitForPause());
    EXPECT_NE(window->Screen().Text().find("got yes"), std::string::npos);
}

} // namespace

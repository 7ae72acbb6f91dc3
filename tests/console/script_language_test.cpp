#include "command_lookup.h"
#include "script_steps.h"
#include "temp_dir.h"
#include "terminal_screen.h"

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using Kind = ScriptStep::Kind;

struct LineCase {
    const char* line;
    Kind kind;
    const char* text;
    bool echoed;
};

void PrintTo(const LineCase& c, std::ostream* out) { *out << c.line; }

class ScriptLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ScriptLine, IsUnderstoodAsTheInterpreterDoes)
{
    const ScriptStep step = ParseLine(GetParam().line);
    EXPECT_EQ(step.kind, GetParam().kind);
    EXPECT_EQ(step.text, GetParam().text);
    EXPECT_EQ(step.echoed, GetParam().echoed);
}

INSTANTIATE_TEST_SUITE_P(
    UpdateScriptLines, ScriptLine,
    ::testing::Values(LineCase{"echo off\r", Kind::EchoOff, "", true}, LineCase{"@echo off", Kind::EchoOff, "", false},
                      LineCase{"ECHO ON", Kind::EchoOn, "", true}, LineCase{"echo", Kind::EchoState, "", true},
                      LineCase{"cls", Kind::Clear, "", true}, LineCase{"echo.", Kind::Print, "", true},
                      LineCase{"echo   Serial port = COM3", Kind::Print, "  Serial port = COM3", true},
                      LineCase{"echo Vandrel5 Plus Firmware Update", Kind::Print, "Vandrel5 Plus Firmware Update", true},
                      LineCase{"pause", Kind::Pause, "", true}, LineCase{"rem note", Kind::Nothing, "", true},
                      LineCase{"   ", Kind::Nothing, "", false},
                      LineCase{"clRFU.exe   VD4-NW.bin  -v", Kind::Run, "clRFU.exe   VD4-NW.bin  -v", true},
                      LineCase{"pauses", Kind::Run, "pauses", true}));

TEST(ScriptLanguage, CommandLinesSplitAtBlanksAndKeepQuotedWordsWhole)
{
    EXPECT_EQ(SplitCommandLine("clRFU.exe   VD4-NW.bin  -v  -s 3:57600  -cl coldload.bin  -pb pilot.bin"),
              (std::vector<std::string>{"clRFU.exe", "VD4-NW.bin", "-v", "-s", "3:57600", "-cl", "coldload.bin", "-pb",
                                        "pilot.bin"}));
    EXPECT_EQ(SplitCommandLine("\"my tool\" \"a b\"\tc"), (std::vector<std::string>{"my tool", "a b", "c"}));
    EXPECT_EQ(ParseScript("echo.\r\ncls\npause").size(), 3U);
}

TEST(ScriptLanguage, CommandsAreFoundInTheCurrentDirectoryFirstThenAlongPath)
{
    TempDir here, elsewhere;
    const auto tool = [](const TempDir& dir, const std::string& name) {
        const std::string path = dir.Write(name, "#!/bin/sh\n");
        fs::permissions(path, fs::perms::owner_all);
        return path;
    };
    const std::string local = tool(here, "clRFU");
    const std::string onPath = tool(elsewhere, "clRFU");
    const std::string other = tool(elsewhere, "other.exe");
    here.Write("plain", "not executable");
    const std::string path = "/nonexistent:" + elsewhere.Path().string();
    EXPECT_EQ(FindCommand("clRFU.exe", here.Path(), path), local);
    EXPECT_EQ(FindCommand("clRFU.EXE", elsewhere.Path(), ""), onPath);
    EXPECT_EQ(FindCommand("other.exe", here.Path(), path), other);
    EXPECT_EQ(FindCommand("plain", here.Path(), path), "");
    EXPECT_EQ(FindCommand("missing.exe", here.Path(), path), "");
    EXPECT_EQ(FindCommand(onPath, here.Path(), ""), onPath);
}

TEST(TerminalScreen, CarriageReturnsOverwriteAndEscapesAreDropped)
{
    TerminalScreen screen;
    screen.Feed("writing  10%\rwriting 100%\r\ndone\x1b[1;32m ok\x1b[0m\n\tx\b\by");
    EXPECT_EQ(screen.Lines(), (std::vector<std::string>{"writing 100%", "done ok", "       yx"}));
    screen.Clear();
    screen.Feed("fresh");
    EXPECT_EQ(screen.Text(), "fresh");
}

TEST(TerminalScreen, KeepsOnlyItsLastLines)
{
    TerminalScreen screen(3);
    screen.Feed("1\n2\n3\n4\n5");
    EXPECT_EQ(screen.Lines(), (std::vector<std::string>{"3", "4", "5"}));
}

} // namespace

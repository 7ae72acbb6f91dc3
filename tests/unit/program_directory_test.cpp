#include "app/program_directory.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CommandLineCase {
    const char* commandLine;
    const char* programDir;
};

void PrintTo(const CommandLineCase& c, std::ostream* out) { *out << c.commandLine; }

class CommandLineRule : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineRule, GivesTheProgramDirectory)
{
    EXPECT_EQ(ProgramDirFromCommandLine(GetParam().commandLine).Str(), GetParam().programDir);
}

INSTANTIATE_TEST_SUITE_P(
    WindowsLaunches, CommandLineRule,
    ::testing::Values(CommandLineCase{"\"C:\\Program Files\\VDFlash\\VDFlash.exe\" -x", "c:\\program files\\vdflash"},
                      CommandLineCase{"C:\\Tools\\VDFlash.exe", "c:\\tools"},
                      CommandLineCase{"C:\\Tools\\VDFlash.exe -x y", "c:\\tools"},
                      CommandLineCase{"C:\\Program Files\\VDFlash\\VDFlash.exe", "c:"},
                      CommandLineCase{"C:\\VDFlash.exe", "c:"},
                      CommandLineCase{"\"C:\\VDFlash.exe\"", "c:"},
                      CommandLineCase{"VDFlash.exe", ""},
                      CommandLineCase{"C:/Tools/VDFlash.exe", ""},
                      CommandLineCase{"\"C:\\Tools\\VDFlash.exe", ""},
                      CommandLineCase{"\"  \tC:\\Tools\\VDFlash.exe\" -x", "c:\\tools"},
                      CommandLineCase{"tools\\VDFlash.exe", "tools"},
                      CommandLineCase{"D:\\VDFLASH\\Bin2\\VDFlash.EXE", "d:\\vdflash\\bin2"},
                      CommandLineCase{"C:\\Tools\\VDFlash.exe\t-x", "c:\\tools"},
                      CommandLineCase{"", ""}));

bool ShiftJisLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

TEST(CommandLineRule, NeverTakesTheSecondByteOfADoubleByteCharacterForABackslash)
{
    // 0x95 0x5C is one character whose second byte equals the backslash.
    EXPECT_EQ(ProgramDirFromCommandLine("C:\\\x95\x5C\\VDFlash.exe", ShiftJisLeadByte).Str(), "c:\\\x95\x5C");
    // 0x83 0x41 is one character whose second byte equals 'A': it stays as it is.
    EXPECT_EQ(ProgramDirFromCommandLine("C:\\\x83\x41\\V.exe", ShiftJisLeadByte).Str(), "c:\\\x83\x41");
}

TEST(ExecutablePathRule, KeepsTheCaseAndDropsTheName)
{
    EXPECT_EQ(ProgramDirFromExecutablePath("/opt/VDFlash/VDFlash").Str(), "/opt/VDFlash");
    EXPECT_EQ(ProgramDirFromExecutablePath("/VDFlash").Str(), "");
    EXPECT_EQ(ProgramDirFromExecutablePath("VDFlash").Str(), "");
}

} // namespace

#include "framework/ini_profile.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

class Profile : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir / "Korventa Systems/VDFlash.ini";
    IniProfile profile{path};
};

TEST_F(Profile, NothingStoredGivesTheDefault)
{
    EXPECT_EQ(profile.ReadInt("Settings", "Baud", -1), -1);
    EXPECT_FALSE(std::filesystem::exists(path)); // reading creates nothing
}

TEST_F(Profile, WrittenValuesReadBack)
{
    EXPECT_TRUE(profile.WriteInt("Settings", "ComPort", 3));
    EXPECT_TRUE(profile.WriteInt("Settings", "Baud", 19200));
    EXPECT_TRUE(profile.WriteInt("Settings", "ComPort", 10)); // only the last one survives
    EXPECT_EQ(profile.ReadInt("Settings", "ComPort", -1), 10);
    EXPECT_EQ(profile.ReadInt("Settings", "Baud", -1), 19200);
    EXPECT_EQ(ReadFile(path), "[Settings]\nComPort=10\nBaud=19200\n");
    EXPECT_TRUE(profile.WriteInt("Settings", "Baud", -2147483647 - 1));
    EXPECT_EQ(profile.ReadInt("Settings", "Baud", 0), -2147483647 - 1);
}

TEST_F(Profile, TwoUsersKeepTheirOwnValues)
{
    TempDir otherHome;
    IniProfile other(otherHome / "Korventa Systems/VDFlash.ini");
    profile.WriteInt("Settings", "ComPort", 2);
    other.WriteInt("Settings", "ComPort", 7);
    EXPECT_EQ(profile.ReadInt("Settings", "ComPort", -1), 2);
    EXPECT_EQ(other.ReadInt("Settings", "ComPort", -1), 7);
}

TEST_F(Profile, ValuesThatAreNoInt32ReadAsTheDefault)
{
    dir.Write("Korventa Systems/VDFlash.ini", "[Settings]\nComPort=three\nBaud=4294967296\nX=12abc\nY=\n Z = 42 \n");
    EXPECT_EQ(profile.ReadInt("Settings", "ComPort", -1), -1);
    EXPECT_EQ(profile.ReadInt("Settings", "Baud", -1), -1);
    EXPECT_EQ(profile.ReadInt("Settings", "X", -1), -1);
    EXPECT_EQ(profile.ReadInt("Settings", "Y", -1), -1);
    EXPECT_EQ(profile.ReadInt("settings", "z", -1), 42);
    EXPECT_EQ(profile.ReadInt("Other", "Z", -1), -1);
}

TEST_F(Profile, ACorruptFileKeepsItsOtherLinesWhenAValueIsWritten)
{
    dir.Write("Korventa Systems/VDFlash.ini",
              "garbage \x01\x02 line\n[Other]\nBaud=1\n[Settings]\nComPort=zz\n\n[Tail]\nk=v\n");
    EXPECT_TRUE(profile.WriteInt("Settings", "ComPort", 4));
    EXPECT_TRUE(profile.WriteInt("Settings", "Baud", 57600));
    EXPECT_EQ(ReadFile(path),
              "garbage \x01\x02 line\n[Other]\nBaud=1\n[Settings]\nComPort=4\nBaud=57600\n\n[Tail]\nk=v\n");
    EXPECT_EQ(profile.ReadInt("Other", "Baud", -1), 1);
}

TEST_F(Profile, AReadOnlyFileIsLeftAloneAndTheWriteFails)
{
    const std::string written = dir.Write("Korventa Systems/VDFlash.ini", "[Settings]\nBaud=9600\n");
    ::chmod(written.c_str(), 0444);
    EXPECT_FALSE(profile.WriteInt("Settings", "Baud", 19200));
    EXPECT_EQ(profile.ReadInt("Settings", "Baud", -1), 9600);
}

TEST_F(Profile, AFolderInPlaceOfTheFileGivesDefaultsAndFailedWrites)
{
    std::filesystem::create_directories(path);
    EXPECT_EQ(profile.ReadInt("Settings", "Baud", -1), -1);
    EXPECT_FALSE(profile.WriteInt("Settings", "Baud", 9600));
}

TEST_F(Profile, AnUnreachableFolderFailsTheWrite)
{
    dir.Write("Korventa Systems", "a file where the folder should be");
    EXPECT_FALSE(profile.WriteInt("Settings", "Baud", 9600));
    EXPECT_EQ(profile.ReadInt("Settings", "Baud", -1), -1);
}

} // namespace

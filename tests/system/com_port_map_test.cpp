#include "system/com_port_map.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace {

using Map = std::map<int, std::string>;

TEST(ComNumbers, NewDevicesTakeTheLowestFreeNumberAndOldOnesKeepTheirs)
{
    EXPECT_EQ(sys::AssignComNumbers({}, {"/dev/ttyS1", "/dev/ttyUSB0"}), (Map{{1, "/dev/ttyS1"}, {2, "/dev/ttyUSB0"}}));
    EXPECT_EQ(sys::AssignComNumbers({{2, "/dev/ttyUSB0"}}, {"/dev/ttyS1", "/dev/ttyUSB0", "/dev/ttyACM0"}),
              (Map{{1, "/dev/ttyS1"}, {2, "/dev/ttyUSB0"}, {3, "/dev/ttyACM0"}}));
    // A device that is unplugged keeps its number free for its return.
    EXPECT_EQ(sys::AssignComNumbers({{1, "/dev/a"}, {3, "/dev/c"}}, {"/dev/d"}),
              (Map{{1, "/dev/a"}, {2, "/dev/d"}, {3, "/dev/c"}}));
}

TEST(ComNumbers, NamesAreComAndANumber)
{
    EXPECT_EQ(sys::ComNumberFromName("COM1"), 1);
    EXPECT_EQ(sys::ComNumberFromName("com10"), 10);
    EXPECT_EQ(sys::ComNumberFromName("COM0"), 0);
    EXPECT_EQ(sys::ComNumberFromName("COM01"), 0);
    EXPECT_EQ(sys::ComNumberFromName("COMx"), 0);
    EXPECT_EQ(sys::ComNumberFromName("LPT1"), 0);
    EXPECT_EQ(sys::ComNumberFromName("COM"), 0);
}

class UserMapping : public ::testing::Test {
protected:
    TempDir home;
    std::string file = sys::UserComPortMapFile(home.Path().string());
};

TEST_F(UserMapping, NumbersAreKeptAcrossRestarts)
{
    const sys::ComPortMap first = sys::ComPortMap::ForUser(file, {"/dev/ttyS1", "/dev/serial/by-id/usb-A"});
    EXPECT_EQ(first.DevicePath(2), "/dev/serial/by-id/usb-A");
    // Next start: the adapter is found first, a second adapter is new, the UART is gone.
    const sys::ComPortMap second = sys::ComPortMap::ForUser(file, {"/dev/serial/by-id/usb-B", "/dev/serial/by-id/usb-A"});
    EXPECT_EQ(second.DevicePath(1), "/dev/ttyS1");
    EXPECT_EQ(second.DevicePath(2), "/dev/serial/by-id/usb-A");
    EXPECT_EQ(second.DevicePath(3), "/dev/serial/by-id/usb-B");
    EXPECT_EQ(second.DevicePath(4), "");
}

TEST_F(UserMapping, AnOverrideWinsAndIsKept)
{
    sys::ComPortMap::ForUser(file, {"/dev/ttyUSB0"});
    std::string text = ReadFile(file);
    home.Write("Korventa Systems/comports.ini", text + "[Override]\nCOM1=/dev/ttyUSB7\nCOM9=/dev/ttyACM2\n");
    const sys::ComPortMap map = sys::ComPortMap::ForUser(file, {"/dev/ttyUSB0", "/dev/ttyUSB1"});
    EXPECT_EQ(map.DevicePath(1), "/dev/ttyUSB7");
    EXPECT_EQ(map.DevicePath(2), "/dev/ttyUSB1");
    EXPECT_EQ(map.DevicePath(9), "/dev/ttyACM2");
    EXPECT_NE(ReadFile(file).find("[Override]\nCOM1=/dev/ttyUSB7\nCOM9=/dev/ttyACM2\n"), std::string::npos);
}

TEST_F(UserMapping, ACorruptFileKeepsWhatItCanRead)
{
    home.Write("Korventa Systems/comports.ini", "\x01\x02 junk\n[Ports]\nCOM0=/dev/x\nCOMx=/dev/y\nCOM3\nCOM4=\nCOM2=/dev/ttyUSB0\n");
    const sys::ComPortMap map = sys::ComPortMap::ForUser(file, {"/dev/ttyUSB1", "/dev/ttyUSB0"});
    EXPECT_EQ(map.DevicePath(2), "/dev/ttyUSB0");
    EXPECT_EQ(map.DevicePath(1), "/dev/ttyUSB1");
    EXPECT_EQ(map.DevicePath(3), "");
    EXPECT_EQ(map.DevicePath(4), "");
}

TEST(FixedMapping, IsUsedAsItStandsAndNeverWritten)
{
    TempDir dir;
    const std::string file = dir.Write("map.ini", "[Ports]\nCOM3=/dev/pts/9\n");
    const sys::ComPortMap map = sys::ComPortMap::Fixed(file);
    EXPECT_EQ(map.DevicePath(3), "/dev/pts/9");
    EXPECT_EQ(map.Entries().size(), 1U);
    EXPECT_EQ(ReadFile(file), "[Ports]\nCOM3=/dev/pts/9\n");
    EXPECT_TRUE(sys::ComPortMap::Fixed(dir / "none.ini").Entries().empty());
}

} // namespace

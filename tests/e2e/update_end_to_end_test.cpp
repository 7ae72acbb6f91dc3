// The built VDFlash and console host, started for real on a virtual X server and driven
// with the keyboard through one update; a small command stands in for the flash utility.

#include "desktop_session.h"
#include "pseudo_terminal.h"
#include "update/update_script.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

TEST(EndToEnd, OneUpdateDrivenFromTheKeyboard)
{
    VirtualDisplay display;
    ProgramCopy copy;
    PseudoTerminal com3;
    const std::string map = copy.root.Write("comports.ini", "[Ports]\nCOM3=" + com3.Path() + "\n");
    const std::string tool = copy.root.Write("program/bin/clRFU", "#!/bin/sh\n"
                                                                  "echo \"$*\" > ran-with.txt\n"
                                                                  "cat VDFlash.bat > script-seen.bat\n"
                                                                  "pwd > ran-in.txt\n"
                                                                  "printf 'Writing  50%%\\rWriting 100%%\\n'\n");
    fs::permissions(tool, fs::perms::owner_all);

    int error = 0;
    sys::ChildProcess vdflash = copy.StartVDFlash(display, map, error);
    ASSERT_EQ(error, 0);

    const std::string main = WaitForWindow(display, "VDFlash Utility for Vandrel Firmware Ver 1.06");
    ASSERT_FALSE(main.empty());
    // Close has the focus: Tab to the models, down to Vandrel4 Network, Tab over the port
    // (COM3, the only one), up from 115,200 to 57,600, then Tab over About and
    // Instructions to Update.
    SendKeys(display, main, "Tab Down Down Down Tab Tab Up Tab Tab Tab space");

    const std::string first = WaitForWindow(display, "Vandrel4 Network Update");
    ASSERT_FALSE(first.empty());
    SendKeys(display, first, "shift+Tab space"); // No has the focus: go to Yes
    const std::string second = WaitForOtherWindow(display, "Vandrel4 Network Update", first);
    ASSERT_FALSE(second.empty());
    SendKeys(display, second, "shift+Tab space");

    const std::string console = WaitForWindow(display, "VDFlash.bat");
    ASSERT_FALSE(console.empty());
    EXPECT_TRUE(Xdo(display, "search --onlyvisible --name 'VDFlash Utility'").empty()); // hidden meanwhile
    ASSERT_TRUE(PressUntilClosed(display, console, "space")); // answers the pause

    const std::string notice = WaitForOtherWindow(display, "Vandrel4 Network Update", second);
    ASSERT_FALSE(notice.empty());
    SendKeys(display, notice, "Return");
    const std::string again = WaitForWindow(display, "VDFlash Utility");
    ASSERT_FALSE(again.empty());
    SendKeys(display, again, "Escape");
    EXPECT_EQ(vdflash.Wait(), 0);

    EXPECT_EQ(ReadFile(copy.root / "config/Korventa Systems/VDFlash.ini"), "[Settings]\nComPort=3\nBaud=57600\n");
    EXPECT_EQ(ReadFile(copy.Bin() + "/script-seen.bat"), UpdateScriptBytes("Vandrel4 Network", "VD4-NW", 3, 57600).Str());
    EXPECT_EQ(ReadFile(copy.Bin() + "/ran-with.txt"), "VD4-NW.bin -v -s 3:57600 -cl coldload.bin -pb pilot.bin\n");
    EXPECT_EQ(fs::path(ReadFile(copy.Bin() + "/ran-in.txt").substr(0, copy.Bin().size())), fs::path(copy.Bin()));
    EXPECT_FALSE(fs::exists(copy.Bin() + "/VDFlash.bat"));
}

} // namespace

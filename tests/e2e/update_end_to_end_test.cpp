// The built VDFlash and console host, started for real on a virtual X server and driven
// with the keyboard through one update; a small command stands in for the flash utility.

#include "desktop_session.h"
#include "pseudo_terminal.h"
#include "simulated_vandrel.h"
#include "update/update_script.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// Drives one update of Vandrel4 Network on COM3 at 57,600 bit/s from the keyboard, as a
// user would, and closes VDFlash at the end; false where a window did not come.
::testing::AssertionResult DriveOneUpdate(const VirtualDisplay& display, const ProgramCopy& copy, const std::string& map)
{
    int error = 0;
    sys::ChildProcess vdflash = copy.StartVDFlash(display, map, error);
    if (error != 0)
        return ::testing::AssertionFailure() << "VDFlash did not start";
    const std::string main = WaitForWindow(display, "VDFlash Utility for Vandrel Firmware Ver 1.06");
    if (main.empty())
        return ::testing::AssertionFailure() << "no main dialog";
    // Close has the focus: Tab to the models, down to Vandrel4 Network, Tab over the port
    // (COM3, the only one), up from 115,200 to 57,600, then Tab over About and
    // Instructions to Update.
    SendKeys(display, main, "Tab Down Down Down Tab Tab Up Tab Tab Tab space");
    const std::string first = WaitForWindow(display, "Vandrel4 Network Update");
    if (first.empty())
        return ::testing::AssertionFailure() << "no first confirmation";
    SendKeys(display, first, "shift+Tab space"); // No has the focus: go to Yes
    const std::string second = WaitForOtherWindow(display, "Vandrel4 Network Update", first);
    if (second.empty())
        return ::testing::AssertionFailure() << "no second confirmation";
    SendKeys(display, second, "shift+Tab space");

    const std::string console = WaitForWindow(display, "VDFlash.bat");
    if (console.empty())
        return ::testing::AssertionFailure() << "no console window";
    if (!Xdo(display, "search --onlyvisible --name 'VDFlash Utility'").empty())
        return ::testing::AssertionFailure() << "the main dialog did not hide";
    if (!PressUntilClosed(display, console, "space")) // answers the pause
        return ::testing::AssertionFailure() << "the console window did not close";

    const std::string notice = WaitForOtherWindow(display, "Vandrel4 Network Update", second);
    if (notice.empty())
        return ::testing::AssertionFailure() << "no completion notice";
    SendKeys(display, notice, "Return");
    const std::string again = WaitForWindow(display, "VDFlash Utility");
    if (again.empty())
        return ::testing::AssertionFailure() << "the main dialog did not come back";
    SendKeys(display, again, "Escape");
    if (vdflash.Wait() != 0)
        return ::testing::AssertionFailure() << "VDFlash did not end cleanly";
    return ::testing::AssertionSuccess();
}

TEST(EndToEnd, OneUpdateWithAStandInForTheFlashUtility)
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

    ASSERT_TRUE(DriveOneUpdate(display, copy, map));

    EXPECT_EQ(ReadFile(copy.root / "config/Korventa Systems/VDFlash.ini"), "[Settings]\nComPort=3\nBaud=57600\n");
    EXPECT_EQ(ReadFile(copy.Bin() + "/script-seen.bat"), UpdateScriptBytes("Vandrel4 Network", "VD4-NW", 3, 57600).Str());
    EXPECT_EQ(ReadFile(copy.Bin() + "/ran-with.txt"), "VD4-NW.bin -v -s 3:57600 -cl coldload.bin -pb pilot.bin\n");
    EXPECT_EQ(fs::path(ReadFile(copy.Bin() + "/ran-in.txt").substr(0, copy.Bin().size())), fs::path(copy.Bin()));
    EXPECT_FALSE(fs::exists(copy.Bin() + "/VDFlash.bat"));
}

TEST(EndToEnd, TheSimulatedVandrelBootsTheNewFirmware)
{
    VirtualDisplay display;
    ProgramCopy copy;
    SimulatedVandrel simulator(VANDREL_SIM, copy.root.Path().string(), {"--model", "VD4-NW", "--unpaced"});
    ASSERT_FALSE(simulator.Device().empty());
    const std::string map = copy.root.Write("comports.ini", "[Ports]\nCOM3=" + simulator.Device() + "\n");

    EXPECT_TRUE(DriveOneUpdate(display, copy, map));

    simulator.Stop();
    const std::string log = simulator.Log();
    EXPECT_NE(log.find("Vandrel4 Network booted firmware 1.00\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Vandrel4 Network booted firmware 1.06\n"), std::string::npos) << log;
    EXPECT_FALSE(fs::exists(copy.Bin() + "/VDFlash.bat"));
}

} // namespace

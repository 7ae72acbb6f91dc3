// Time from the second Yes of an update to the console window shown, with the built
// VDFlash and console host on a virtual X server.
//   update_latency [RUNS]

#include "desktop_session.h"
#include "pseudo_terminal.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 10;
    VirtualDisplay display;
    ProgramCopy copy;
    PseudoTerminal com1;
    const std::string map = copy.root.Write("comports.ini", "[Ports]\nCOM1=" + com1.Path() + "\n");
    // What comes after the console window shows is not measured: a quick stand-in for clRFU.
    std::filesystem::permissions(copy.root.Write("program/bin/clRFU", "#!/bin/sh\necho flashed\n"),
                                 std::filesystem::perms::owner_all);
    int error = 0;
    sys::ChildProcess vdflash = copy.StartVDFlash(display, map, error);
    std::string main = WaitForWindow(display, "VDFlash Utility");
    if (error != 0 || main.empty())
        return 1;
    SendKeys(display, main, "Tab space Tab Tab Tab Tab Tab"); // Vandrel3 Plus, then to Update

    std::vector<double> samples;
    std::string previous;
    for (int run = 0; run < runs; ++run) {
        SendKeys(display, main, "space");
        const std::string first = WaitForOtherWindow(display, "Vandrel3 Plus Update", previous);
        SendKeys(display, first, "shift+Tab space");
        const std::string second = WaitForOtherWindow(display, "Vandrel3 Plus Update", first);
        SendKeys(display, second, "shift+Tab");
        const auto start = std::chrono::steady_clock::now();
        Xdo(display, "key space");
        const std::string console = WaitForWindow(display, "VDFlash.bat");
        samples.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        PressUntilClosed(display, console, "space");
        previous = WaitForOtherWindow(display, "Vandrel3 Plus Update", second);
        SendKeys(display, previous, "Return");
        main = WaitForWindow(display, "VDFlash Utility");
    }
    SendKeys(display, main, "Escape");
    vdflash.Wait();
    std::sort(samples.begin(), samples.end());
    std::printf("second Yes to console window shown: median %.1f ms, min %.1f ms, max %.1f ms (%d runs;"
                " includes about 5 ms of xdotool polling)\n",
                samples[samples.size() / 2], samples.front(), samples.back(), runs);
    return 0;
}

#pragma once
// A desktop for driving the built programs as a user would: a virtual X server, a copy of
// the program folder of its own, and keys sent with xdotool.

#include "system/child_process.h"
#include "temp_dir.h"

#include <string>

class VirtualDisplay {
public:
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;
    const std::string& Name() const { return m_name; }

private:
    std::string m_name;
    sys::ChildProcess m_server;
};

// Runs xdotool with the words on the display; its output, trimmed.
std::string Xdo(const VirtualDisplay& display, const std::string& words);
// The id of the first visible window whose name contains title, once there is one; empty
// after the time-out.
std::string WaitForWindow(const VirtualDisplay& display, const std::string& title, int timeoutMs = 20000);
// The same, for a window other than the one named by previous.
std::string WaitForOtherWindow(const VirtualDisplay& display, const std::string& title, const std::string& previous,
                               int timeoutMs = 20000);
bool WaitForNoWindow(const VirtualDisplay& display, const std::string& title, int timeoutMs = 20000);
// Gives the window the keyboard and types the keys (xdotool key names, blank-separated).
void SendKeys(const VirtualDisplay& display, const std::string& window, const std::string& keys);

// Presses key in the window until the window has gone: a key that comes while a command of
// the script still runs goes to that command.
bool PressUntilClosed(const VirtualDisplay& display, const std::string& window, const std::string& key,
                      int timeoutMs = 60000);

// The built program folder, copied so that the run writes only into a folder of the test.
struct ProgramCopy {
    TempDir root;
    std::string program = root / "program";
    ProgramCopy();
    std::string Bin() const { return program + "/bin"; }
    // Starts the copy's VDFlash on the display, with the user's settings below the copy's
    // folder and the COM numbers of the mapping file.
    sys::ChildProcess StartVDFlash(const VirtualDisplay& display, const std::string& mappingFile, int& error) const;
};

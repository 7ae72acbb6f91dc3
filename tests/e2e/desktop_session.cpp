#include "desktop_session.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

VirtualDisplay::VirtualDisplay()
{
    int number = 90;
    while (fs::exists("/tmp/.X11-unix/X" + std::to_string(number)) || fs::exists("/tmp/.X" + std::to_string(number) + "-lock"))
        ++number;
    m_name = ":" + std::to_string(number);
    int error = 0;
    // -noreset: the server must not reset between two programs' connections.
    m_server = sys::ChildProcess::Start("/usr/bin/Xvfb", {m_name, "-noreset", "-nolisten", "tcp", "-screen", "0", "1024x768x24"}, error);
    if (error != 0)
        throw std::runtime_error("cannot start Xvfb");
    for (int wait = 0; wait < 500 && !fs::exists("/tmp/.X11-unix/X" + std::to_string(number)); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

VirtualDisplay::~VirtualDisplay()
{
    if (m_server.IsRunning()) {
        ::kill(m_server.Pid(), SIGTERM);
        m_server.Wait();
    }
}

std::string Xdo(const VirtualDisplay& display, const std::string& words)
{
    const std::string command = "DISPLAY=" + display.Name() + " xdotool " + words + " 2>/dev/null";
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), &::pclose);
    std::string output;
    char buffer[256];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()))
        output += buffer;
    while (!output.empty() && (output.back() == '\n' || output.back() == ' '))
        output.pop_back();
    return output.substr(0, output.find('\n'));
}

std::string WaitForOtherWindow(const VirtualDisplay& display, const std::string& title, const std::string& previous,
                               int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        if (std::string window = Xdo(display, "search --onlyvisible --name '" + title + "'");
            !window.empty() && window != previous)
            return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return {};
}

std::string WaitForWindow(const VirtualDisplay& display, const std::string& title, int timeoutMs)
{
    return WaitForOtherWindow(display, title, "", timeoutMs);
}

bool WaitForNoWindow(const VirtualDisplay& display, const std::string& title, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Xdo(display, "search --onlyvisible --name '" + title + "'").empty())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

void SendKeys(const VirtualDisplay& display, const std::string& window, const std::string& keys)
{
    Xdo(display, "windowfocus --sync " + window);
    Xdo(display, "key --delay 20 " + keys);
}

bool PressUntilClosed(const VirtualDisplay& display, const std::string& window, const std::string& key, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        // Sent to that window alone, so that nothing else gets the key once it has gone.
        Xdo(display, "key --window " + window + " " + key);
        for (int wait = 0; wait < 30; ++wait) {
            if (Xdo(display, "getwindowname " + window).empty()) // the window no longer exists
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    return false;
}

ProgramCopy::ProgramCopy()
{
    fs::copy(VDFLASH_PROGRAM_DIR, program, fs::copy_options::recursive);
}

sys::ChildProcess ProgramCopy::StartVDFlash(const VirtualDisplay& display, const std::string& mappingFile, int& error) const
{
    ::setenv("DISPLAY", display.Name().c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    ::setenv("VDFLASH_COM_MAP", mappingFile.c_str(), 1);
    return sys::ChildProcess::Start(program + "/VDFlash", {}, error);
}

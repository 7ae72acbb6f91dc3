#include "simulated_vandrel.h"

#include "temp_dir.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

SimulatedVandrel::SimulatedVandrel(const std::string& simulator, const std::string& folder,
                                   const std::vector<std::string>& options)
    : m_folder(folder)
{
    const std::string link = folder + "/link";
    std::string command = "exec '" + simulator + "' --flash '" + FlashFile() + "' --link '" + link + "'";
    for (const std::string& option : options)
        command += " '" + option + "'";
    command += " > '" + folder + "/device.log' 2>&1";
    int error = 0;
    m_process = sys::ChildProcess::Start("/bin/sh", {"-c", command}, error);
    for (int wait = 0; error == 0 && wait < 500 && !std::filesystem::exists(link); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    m_device = ReadFile(link);
    if (!m_device.empty() && m_device.back() == '\n')
        m_device.pop_back();
}

std::string SimulatedVandrel::Log() const { return ReadFile(m_folder + "/device.log"); }

void SimulatedVandrel::Stop()
{
    if (m_process.IsRunning()) {
        ::kill(m_process.Pid(), SIGTERM);
        m_process.Wait();
    }
}

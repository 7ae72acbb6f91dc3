// vandrel-sim: a simulated Vandrel on a pseudo-terminal, for clRFU to update.
//   vandrel-sim --model VD4-NW [--flash FILE] [--link FILE] [--unpaced] [faults...]
// Faults, each once at the given byte of what the host sends (counted from 0):
//   --drop-at N  --corrupt-at N  --duplicate-at N  --stall-at N [--stall-ms MS]  --reset-at N

#include "device.h"
#include "fault_injector.h"
#include "system/unique_fd.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <stdlib.h>
#include <string>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

volatile std::sig_atomic_t g_stop = 0;
void Stop(int) { g_stop = 1; }

struct Settings {
    int model = -1;
    std::string flashFile, linkFile, factoryVersion = "1.00";
    std::uint32_t flashSize = 65536;
    bool paced = true;
    int stallMs = 3000;
    std::vector<flash::Fault> faults;
};

bool Parse(int argc, char** argv, Settings& settings)
{
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (i + 1 >= argc && word != "--unpaced")
            return false;
        if (word == "--unpaced")
            settings.paced = false;
        else if (word == "--model")
            settings.model = flash::ModelFromText(argv[++i]);
        else if (word == "--flash")
            settings.flashFile = argv[++i];
        else if (word == "--link")
            settings.linkFile = argv[++i];
        else if (word == "--factory-version")
            settings.factoryVersion = argv[++i];
        else if (word == "--flash-size")
            settings.flashSize = static_cast<std::uint32_t>(std::atol(argv[++i]));
        else if (word == "--stall-ms")
            settings.stallMs = std::atoi(argv[++i]);
        else if (word == "--drop-at")
            settings.faults.push_back({flash::Fault::Kind::Drop, std::atoll(argv[++i])});
        else if (word == "--corrupt-at")
            settings.faults.push_back({flash::Fault::Kind::Corrupt, std::atoll(argv[++i])});
        else if (word == "--duplicate-at")
            settings.faults.push_back({flash::Fault::Kind::Duplicate, std::atoll(argv[++i])});
        else if (word == "--stall-at")
            settings.faults.push_back({flash::Fault::Kind::Stall, std::atoll(argv[++i])});
        else if (word == "--reset-at")
            settings.faults.push_back({flash::Fault::Kind::Reset, std::atoll(argv[++i])});
        else
            return false;
    }
    if (settings.model < 0)
        return false;
    if (settings.flashFile.empty())
        settings.flashFile = std::string("vandrel-") + flash::ModelStem(static_cast<std::uint8_t>(settings.model)) + ".flash";
    return true;
}

int BitsPerSecond(int fd)
{
    termios line {};
    if (::tcgetattr(fd, &line) != 0)
        return 115200;
    switch (::cfgetispeed(&line)) {
    case B1200: return 1200;
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B230400: return 230400;
    default: return 115200;
    }
}

// A real port leaves exclusive mode when its last user closes it; a pseudo-terminal whose
// other side stays open keeps it. So a host that ended without giving it up (killed) has
// it cleared here, once no live host holds the line's lock: hosts take the lock before
// exclusive mode and give it up after.
void ClearStaleExclusiveMode(int keeper)
{
    int exclusive = 0;
    if (::ioctl(keeper, TIOCGEXCL, &exclusive) != 0 || exclusive == 0)
        return;
    if (::flock(keeper, LOCK_EX | LOCK_NB) != 0)
        return; // a live host has the line
    ::ioctl(keeper, TIOCNXCL);
    ::flock(keeper, LOCK_UN);
}

void Say(flash::Device& device)
{
    for (const std::string& message : device.TakeMessages())
        std::cout << "vandrel-sim: " << message << std::endl;
}

} // namespace

int main(int argc, char** argv)
{
    Settings settings;
    if (!Parse(argc, argv, settings)) {
        std::cerr << "usage: vandrel-sim --model STEM|0..7 [--flash FILE] [--flash-size BYTES] [--factory-version V]\n"
                     "                   [--link FILE] [--unpaced] [--drop-at N] [--corrupt-at N] [--duplicate-at N]\n"
                     "                   [--stall-at N [--stall-ms MS]] [--reset-at N]\n";
        return 1;
    }
    std::string error;
    std::optional<flash::FlashStore> store = flash::FlashStore::Open(
        settings.flashFile, static_cast<std::uint8_t>(settings.model), settings.flashSize, settings.factoryVersion, error);
    if (!store) {
        std::cerr << "vandrel-sim: " << error << "\n";
        return 1;
    }

    sys::UniqueFd master(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
    char slaveName[128] = {};
    if (!master.IsOpen() || ::grantpt(master.Get()) != 0 || ::unlockpt(master.Get()) != 0 ||
        ::ptsname_r(master.Get(), slaveName, sizeof slaveName) != 0) {
        std::cerr << "vandrel-sim: no pseudo-terminal\n";
        return 1;
    }
    // Kept open so that the line stays up between hosts, and to read the rate they set.
    sys::UniqueFd keeper(::open(slaveName, O_RDWR | O_NOCTTY | O_CLOEXEC));
    termios raw {};
    ::tcgetattr(keeper.Get(), &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(keeper.Get(), TCSANOW, &raw);

    flash::Device device(*store, static_cast<std::uint8_t>(settings.model));
    std::cout << "vandrel-sim: " << flash::ModelStem(static_cast<std::uint8_t>(settings.model)) << " on " << slaveName << std::endl;
    Say(device);
    if (!settings.linkFile.empty()) {
        const std::string temporary = settings.linkFile + ".tmp";
        std::ofstream(temporary) << slaveName << "\n";
        std::rename(temporary.c_str(), settings.linkFile.c_str());
    }
    std::signal(SIGTERM, Stop);
    std::signal(SIGINT, Stop);

    using Clock = std::chrono::steady_clock;
    flash::FaultInjector faults(settings.faults);
    Clock::time_point lineStart = Clock::now();
    long long lineBytes = 0;
    while (!g_stop) {
        pollfd ready{master.Get(), POLLIN, 0};
        if (::poll(&ready, 1, 200) <= 0) {
            ClearStaleExclusiveMode(keeper.Get());
            continue;
        }
        const int baud = BitsPerSecond(keeper.Get());
        // A pseudo-terminal passes bytes at once; the device takes them at the line's rate.
        const std::size_t chunk = settings.paced ? std::max<std::size_t>(1, static_cast<std::size_t>(baud) / 1000) : 4096;
        char buffer[4096];
        const ssize_t got = ::read(master.Get(), buffer, chunk);
        if (got <= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        if (settings.paced) {
            const auto now = Clock::now();
            if (now - lineStart > std::chrono::milliseconds(100) + std::chrono::microseconds(lineBytes * 10'000'000LL / baud)) {
                lineStart = now; // the line was idle: no credit for it
                lineBytes = 0;
            }
            lineBytes += got;
            std::this_thread::sleep_until(lineStart + std::chrono::microseconds(lineBytes * 10'000'000LL / baud));
        }
        const flash::FaultInjector::Passed passed = faults.Pass(std::string(buffer, static_cast<std::size_t>(got)));
        if (passed.stall)
            std::this_thread::sleep_for(std::chrono::milliseconds(settings.stallMs));
        if (passed.reset) {
            device.PowerCycle();
            std::cout << "vandrel-sim: reset" << std::endl;
            Say(device);
        }
        const std::string& bytes = passed.bytes;
        const std::string reply = device.Receive(bytes);
        if (!reply.empty())
            (void)!::write(master.Get(), reply.data(), reply.size());
        Say(device);
    }
    return 0;
}

// Time of the port probe's ten exclusive opens, against pseudo-terminals (all usable) and
// against missing devices (none usable).
//   probe_ports [ROUNDS]

#include "framework/com_ports.h"
#include "system/unique_fd.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

double MedianMicroseconds(const ComPorts& ports, int rounds)
{
    std::vector<double> samples;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int port = 1; port <= 10; ++port)
            (void)ports.CanOpenExclusive(("COM" + std::to_string(port)).c_str());
        samples.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
    char folder[] = "/tmp/vdflash-probe-XXXXXX";
    if (!::mkdtemp(folder))
        return 1;
    const std::string ptyMap = std::string(folder) + "/pty.ini", missingMap = std::string(folder) + "/missing.ini";
    std::vector<sys::UniqueFd> masters;
    {
        std::ofstream pty(ptyMap), missing(missingMap);
        pty << "[Ports]\n";
        missing << "[Ports]\n";
        for (int port = 1; port <= 10; ++port) {
            sys::UniqueFd master(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
            ::grantpt(master.Get());
            ::unlockpt(master.Get());
            pty << "COM" << port << "=" << ::ptsname(master.Get()) << "\n";
            masters.push_back(std::move(master));
            missing << "COM" << port << "=/dev/ttyUSB9" << port << "\n";
        }
    }
    std::printf("probe of 10 ports, median of %d rounds\n", rounds);
    std::printf("  10 free pseudo-terminals: %8.1f us\n", MedianMicroseconds(*MakeFixedComPorts(ptyMap), rounds));
    std::printf("  10 missing devices:       %8.1f us\n", MedianMicroseconds(*MakeFixedComPorts(missingMap), rounds));
    masters.clear();
    std::remove(ptyMap.c_str());
    std::remove(missingMap.c_str());
    ::rmdir(folder);
    return 0;
}

// Serial devices as the kernel lists them under /sys/class/tty.

#include "system/com_port_map.h"
#include "system/files.h"

#include <algorithm>
#include <filesystem>

namespace sys {

namespace {

namespace fs = std::filesystem;

// ttyS2 before ttyS10.
bool NaturalLess(const std::string& a, const std::string& b)
{
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

bool HasUart(const std::string& name)
{
    std::string type;
    return ReadWholeFile("/sys/class/tty/" + name + "/type", type) && !type.empty() && type != "0\n" && type != "0";
}

// The /dev/serial/by-id link to the device, which names the same adapter on every
// start, else the device itself.
std::string StableName(const std::string& name)
{
    std::error_code error;
    for (const auto& link : fs::directory_iterator("/dev/serial/by-id", error))
        if (fs::canonical(link.path(), error) == fs::path("/dev") / name)
            return link.path().string();
    return "/dev/" + name;
}

} // namespace

std::vector<std::string> DiscoverSerialDevices()
{
    std::vector<std::string> uarts, adapters;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/sys/class/tty", error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("ttyS", 0) == 0 && HasUart(name))
            uarts.push_back(name);
        else if (name.rfind("ttyUSB", 0) == 0 || name.rfind("ttyACM", 0) == 0)
            adapters.push_back(name);
    }
    std::sort(uarts.begin(), uarts.end(), NaturalLess);
    std::sort(adapters.begin(), adapters.end(), NaturalLess);
    std::vector<std::string> devices;
    for (const std::string& name : uarts)
        devices.push_back("/dev/" + name);
    for (const std::string& name : adapters)
        devices.push_back(StableName(name));
    return devices;
}

} // namespace sys

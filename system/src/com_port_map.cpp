#include "system/com_port_map.h"

#include "system/files.h"
#include "system/ini_text.h"

#include <cctype>
#include <filesystem>

namespace sys {

namespace {

const char kPortsSection[] = "Ports";
const char kOverrideSection[] = "Override";

std::map<int, std::string> ReadSection(const std::string& text, const char* section)
{
    std::map<int, std::string> devices;
    for (const auto& [key, value] : ini::Entries(text, section))
        if (const int number = ComNumberFromName(key); number > 0 && !value.empty())
            devices.emplace(number, value);
    return devices;
}

std::string Header()
{
    return "# COM numbers of serial devices. [Ports] is kept up to date by VDFlash and its tools:\n"
           "# each device found takes the lowest free number and keeps it. Add lines such as\n"
           "# COM5=/dev/ttyUSB3 under [Override] to choose the device for a number yourself.\n";
}

} // namespace

std::string UserComPortMapFile(const std::string& configHome)
{
    return configHome + "/Korventa Systems/comports.ini";
}

int ComNumberFromName(const std::string& name)
{
    if (name.size() < 4 || name.size() > 6)
        return 0;
    for (std::size_t i = 0; i < 3; ++i)
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i])
            return 0;
    int number = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i])))
            return 0;
        number = number * 10 + (name[i] - '0');
    }
    return name[3] == '0' ? 0 : number;
}

std::map<int, std::string> AssignComNumbers(std::map<int, std::string> assigned, const std::vector<std::string>& devices)
{
    for (const std::string& device : devices) {
        bool known = false;
        for (const auto& [number, name] : assigned)
            known = known || name == device;
        if (known)
            continue;
        int number = 1;
        while (assigned.count(number))
            ++number;
        assigned.emplace(number, device);
    }
    return assigned;
}

ComPortMap ComPortMap::ForUser(const std::string& mappingFile, const std::vector<std::string>& devicesFound)
{
    std::string text;
    const bool exists = ReadWholeFile(mappingFile, text);
    const std::map<int, std::string> known = ReadSection(text, kPortsSection);
    const std::map<int, std::string> ports = AssignComNumbers(known, devicesFound);
    if (ports != known) {
        std::string updated = exists ? text : Header();
        for (const auto& [number, device] : ports)
            if (!known.count(number))
                updated = ini::WithValue(updated, kPortsSection, "COM" + std::to_string(number), device);
        std::error_code error;
        std::filesystem::create_directories(std::filesystem::path(mappingFile).parent_path(), error);
        // A mapping that cannot be saved still serves this run.
        (void)ReplaceFileAtomically(mappingFile, updated);
    }
    ComPortMap map;
    map.m_devices = ports;
    for (const auto& [number, device] : ReadSection(text, kOverrideSection))
        map.m_devices[number] = device;
    return map;
}

ComPortMap ComPortMap::Fixed(const std::string& mappingFile)
{
    std::string text;
    ComPortMap map;
    if (!ReadWholeFile(mappingFile, text))
        return map;
    map.m_devices = ReadSection(text, kPortsSection);
    for (const auto& [number, device] : ReadSection(text, kOverrideSection))
        map.m_devices[number] = device;
    return map;
}

std::string ComPortMap::DevicePath(int number) const
{
    const auto found = m_devices.find(number);
    return found == m_devices.end() ? std::string() : found->second;
}

} // namespace sys

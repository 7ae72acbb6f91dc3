#include "framework/com_ports.h"

#include "system/com_port_map.h"
#include "system/serial_probe.h"

#include <cstdlib>
#include <functional>
#include <optional>

namespace {

class SystemComPorts final : public ComPorts {
public:
    explicit SystemComPorts(std::function<sys::ComPortMap()> load) : m_load(std::move(load)) {}

    bool CanOpenExclusive(const char* portName) const override
    {
        const std::string device = Device(portName);
        return !device.empty() && sys::ProbeSerialDevice(device) == sys::PortState::Available;
    }

    CString DeviceOf(const char* portName) const override { return CString(Device(portName)); }

private:
    // Looked up once, when the ports are first asked about.
    std::string Device(const char* portName) const
    {
        if (!m_map)
            m_map = m_load();
        return m_map->DevicePath(sys::ComNumberFromName(portName));
    }

    std::function<sys::ComPortMap()> m_load;
    mutable std::optional<sys::ComPortMap> m_map;
};

} // namespace

std::unique_ptr<ComPorts> MakeSystemComPorts(const std::string& configHome)
{
    if (const char* fixed = std::getenv("VDFLASH_COM_MAP"); fixed && *fixed)
        return MakeFixedComPorts(fixed);
    const std::string file = sys::UserComPortMapFile(configHome);
    return std::make_unique<SystemComPorts>([file] { return sys::ComPortMap::ForUser(file, sys::DiscoverSerialDevices()); });
}

std::unique_ptr<ComPorts> MakeFixedComPorts(const std::string& mappingFile)
{
    return std::make_unique<SystemComPorts>([mappingFile] { return sys::ComPortMap::Fixed(mappingFile); });
}

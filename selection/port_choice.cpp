#include "selection/port_choice.h"

int ChoosePort(int savedPort, const PortAvailability& available)
{
    if (savedPort == -1)
        savedPort = 1;
    if (savedPort >= 1 && savedPort <= kPortCount && available[static_cast<std::size_t>(savedPort)])
        return savedPort;
    for (int port = 1; port <= kPortCount; ++port)
        if (available[static_cast<std::size_t>(port)])
            return port;
    return 0;
}

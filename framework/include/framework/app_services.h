#pragma once
// The seams through which the application reaches the user and the machine.

#include "framework/app_environment.h"
#include "framework/com_ports.h"
#include "framework/message_boxes.h"

#include <memory>

struct AppServices {
    std::unique_ptr<MessageBoxes> messageBoxes;
    std::unique_ptr<ComPorts> comPorts;
};

// The toolkit's message boxes and the machine's serial ports.
AppServices MakeSystemServices(const AppEnvironment& environment);

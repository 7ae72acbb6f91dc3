#pragma once
// The seams through which the application reaches the user and the machine.

#include "framework/app_environment.h"
#include "framework/com_ports.h"
#include "framework/message_boxes.h"
#include "framework/script_runner.h"

#include <memory>

struct AppServices {
    std::unique_ptr<MessageBoxes> messageBoxes;
    std::unique_ptr<ComPorts> comPorts;
    std::unique_ptr<ScriptRunner> scripts;
};

// The toolkit's message boxes, the machine's serial ports, and the console host that
// is installed beside the executable.
AppServices MakeSystemServices(const AppEnvironment& environment);

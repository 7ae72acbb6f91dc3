#include "framework/app_services.h"

#include <filesystem>

AppServices MakeSystemServices(const AppEnvironment& environment)
{
    const std::filesystem::path consoleHost =
        std::filesystem::path(environment.executablePath).parent_path() / "vdflash-console";
    return {MakeToolkitMessageBoxes(), MakeSystemComPorts(environment.configHome),
            MakeConsoleHostRunner(consoleHost.string())};
}

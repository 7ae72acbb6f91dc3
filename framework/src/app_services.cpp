#include "framework/app_services.h"

AppServices MakeSystemServices(const AppEnvironment& environment)
{
    return {MakeToolkitMessageBoxes(), MakeSystemComPorts(environment.configHome)};
}

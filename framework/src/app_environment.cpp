#include "framework/app_environment.h"

#include "system/process_identity.h"

AppEnvironment CurrentAppEnvironment() { return {sys::ExecutablePath(), sys::UserConfigHome()}; }

#pragma once
// What the application learns about its process and user from the system.

#include <string>

struct AppEnvironment {
    std::string executablePath; // the running executable, as the system reports it
    std::string configHome;     // the user's configuration folder
};

AppEnvironment CurrentAppEnvironment();

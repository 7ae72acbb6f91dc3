#pragma once
// Command scripts run in a console window of their own, as separate processes.

#include <memory>
#include <string>

// A started script's process. Dropping it closes the handle; the process runs on.
class CProcess {
public:
    virtual ~CProcess() = default;
    // Returns when the process has ended: the script ran through, or its window was closed.
    virtual void Wait() = 0;
};

class ScriptRunner {
public:
    virtual ~ScriptRunner() = default;
    // Starts the script, found by its name in the current directory, in the current
    // directory and the program's own environment. Null, with the system's error code,
    // when it cannot start.
    virtual std::unique_ptr<CProcess> StartScript(const char* scriptName, unsigned& errorCode) = 0;
};

// Runs scripts in the console host executable at consoleHostPath.
std::unique_ptr<ScriptRunner> MakeConsoleHostRunner(std::string consoleHostPath);

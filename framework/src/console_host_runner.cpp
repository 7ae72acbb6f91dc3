#include "framework/script_runner.h"

#include "system/child_process.h"

#include <cerrno>
#include <filesystem>

namespace {

class ConsoleHostProcess final : public CProcess {
public:
    explicit ConsoleHostProcess(sys::ChildProcess child) : m_child(std::move(child)) {}
    void Wait() override { m_child.Wait(); }

private:
    sys::ChildProcess m_child;
};

class ConsoleHostRunner final : public ScriptRunner {
public:
    explicit ConsoleHostRunner(std::string hostPath) : m_hostPath(std::move(hostPath)) {}

    std::unique_ptr<CProcess> StartScript(const char* scriptName, unsigned& errorCode) override
    {
        std::error_code missing;
        if (!std::filesystem::is_regular_file(scriptName, missing)) {
            errorCode = ENOENT; // as the system reports a script that is not there
            return nullptr;
        }
        int error = 0;
        sys::ChildProcess child = sys::ChildProcess::Start(m_hostPath, {scriptName}, error);
        if (error != 0) {
            errorCode = static_cast<unsigned>(error);
            return nullptr;
        }
        return std::make_unique<ConsoleHostProcess>(std::move(child));
    }

private:
    std::string m_hostPath;
};

} // namespace

std::unique_ptr<ScriptRunner> MakeConsoleHostRunner(std::string consoleHostPath)
{
    return std::make_unique<ConsoleHostRunner>(std::move(consoleHostPath));
}

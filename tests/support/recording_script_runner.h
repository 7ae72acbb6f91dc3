#pragma once
// Starts no console: records each start with what the script's process would have found,
// and fails or runs a step of the test's own as the test asks.

#include "framework/cwinapp.h"
#include "framework/cwnd.h"
#include "framework/script_runner.h"
#include "system/current_directory.h"
#include "temp_dir.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class RecordingScriptRunner final : public ScriptRunner {
public:
    struct Start {
        std::string scriptName;
        std::string currentDirectory;
        std::string scriptBytes; // the script as the process would have read it
        bool mainWindowVisible;
    };
    struct Log {
        std::vector<Start> starts;
        int waits = 0;
        unsigned failWith = 0;           // the error code of a start that fails; 0 starts
        std::function<void()> whileRunning; // runs while the process is waited for
    };

    explicit RecordingScriptRunner(std::shared_ptr<Log> log) : m_log(std::move(log)) {}

    std::unique_ptr<CProcess> StartScript(const char* scriptName, unsigned& errorCode) override
    {
        const CWnd* main = AfxGetApp()->m_pMainWnd;
        m_log->starts.push_back({scriptName, sys::CurrentDirectory(), ReadFile(scriptName), main && main->IsWindowVisible()});
        if (m_log->failWith != 0) {
            errorCode = m_log->failWith;
            return nullptr;
        }
        return std::make_unique<Process>(*m_log);
    }

private:
    class Process final : public CProcess {
    public:
        explicit Process(Log& log) : m_log(log) {}
        void Wait() override
        {
            ++m_log.waits;
            if (m_log.whileRunning)
                m_log.whileRunning();
        }

    private:
        Log& m_log;
    };

    std::shared_ptr<Log> m_log;
};

#pragma once
// The console host's window: runs one command script, shows what it prints and what its
// commands print, live, and ends the commands it started when it is closed.

#include "script_steps.h"
#include "system/pty_child.h"
#include "terminal_screen.h"

#include <QPlainTextEdit>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class ConsoleWindow final : public QWidget {
public:
    static constexpr int kColumns = 80;
    static constexpr int kRows = 25;

    ConsoleWindow(const std::string& title, const std::string& script);
    ~ConsoleWindow() override;

    // Runs the script from its first line.
    void Start();
    // Called once: when the script has run through (0) or the window was closed (1).
    std::function<void(int exitCode)> onFinished;

    const TerminalScreen& Screen() const { return m_screen; }
    bool IsWaitingForKey() const { return m_paused; }
    bool IsRunningCommand() const { return m_child.has_value(); }
    pid_t CommandPid() const { return m_child ? m_child->Pid() : -1; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Advance();
    bool RunStep(const ScriptStep& step); // false when the script must wait
    bool StartCommand(const ScriptStep& step);
    void ReadOutput();
    void CheckCommand();
    void Print(const std::string& text);
    void Finish(int exitCode);

    std::vector<ScriptStep> m_steps;
    std::size_t m_next = 0;
    bool m_echo = true;
    bool m_paused = false;
    bool m_finished = false;
    TerminalScreen m_screen;
    std::unique_ptr<QPlainTextEdit> m_view;
    std::optional<sys::PtyChild> m_child;
    std::unique_ptr<QSocketNotifier> m_output;
    QTimer m_reaper;
};

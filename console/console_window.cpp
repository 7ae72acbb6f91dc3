#include "console_window.h"

#include "command_lookup.h"
#include "system/current_directory.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

namespace {

std::string NotRecognized(const std::string& name)
{
    return "'" + name + "' is not recognized as an internal or external command,\noperable program or batch file.\n";
}

} // namespace

ConsoleWindow::ConsoleWindow(const std::string& title, const std::string& script)
    : m_steps(ParseScript(script)), m_view(std::make_unique<QPlainTextEdit>())
{
    setWindowTitle(QString::fromLocal8Bit(title.c_str()));
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_view->setFont(font);
    m_view->setReadOnly(true);
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_view->setStyleSheet(QStringLiteral("QPlainTextEdit { background: black; color: #c0c0c0; }"));
    auto* layout = new QVBoxLayout(this); // owned by this window
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view.get());
    const QFontMetrics metrics(font);
    resize(metrics.horizontalAdvance(QString(kColumns, QLatin1Char('M'))) + 40, metrics.lineSpacing() * kRows + 12);
    setFocusPolicy(Qt::StrongFocus);
    m_reaper.setInterval(20);
    QObject::connect(&m_reaper, &QTimer::timeout, this, [this] { CheckCommand(); });
}

ConsoleWindow::~ConsoleWindow()
{
    m_output.reset();
    m_child.reset(); // ends what the script started
}

void ConsoleWindow::Start() { Advance(); }

void ConsoleWindow::Advance()
{
    while (!m_finished && m_next < m_steps.size())
        if (!RunStep(m_steps[m_next++]))
            return;
    Finish(0);
}

bool ConsoleWindow::RunStep(const ScriptStep& step)
{
    if (m_echo && step.echoed && step.kind != ScriptStep::Kind::Nothing)
        Print("\n" + sys::CurrentDirectory() + ">" + step.line + "\n");
    switch (step.kind) {
    case ScriptStep::Kind::Nothing: return true;
    case ScriptStep::Kind::EchoOff: m_echo = false; return true;
    case ScriptStep::Kind::EchoOn: m_echo = true; return true;
    case ScriptStep::Kind::EchoState: Print(m_echo ? "ECHO is on.\n" : "ECHO is off.\n"); return true;
    case ScriptStep::Kind::Print: Print(step.text + "\n"); return true;
    case ScriptStep::Kind::Clear:
        m_screen.Clear();
        Print("");
        return true;
    case ScriptStep::Kind::Pause:
        Print("Press any key to continue . . . ");
        m_paused = true;
        return false;
    case ScriptStep::Kind::Run: return !StartCommand(step);
    }
    return true;
}

bool ConsoleWindow::StartCommand(const ScriptStep& step)
{
    const char* path = std::getenv("PATH");
    const std::string program = FindCommand(step.words.front(), sys::CurrentDirectory(), path ? path : "");
    if (program.empty()) {
        Print(NotRecognized(step.words.front()));
        return false;
    }
    int error = 0;
    sys::PtyChild child = sys::PtyChild::Start(program, {step.words.begin() + 1, step.words.end()}, kColumns, kRows, error);
    if (error != 0) {
        Print(error == EACCES || error == ENOEXEC ? "Access is denied.\n" : NotRecognized(step.words.front()));
        return false;
    }
    m_child = std::move(child);
    m_output = std::make_unique<QSocketNotifier>(m_child->Master(), QSocketNotifier::Read);
    QObject::connect(m_output.get(), &QSocketNotifier::activated, this, [this] { ReadOutput(); });
    m_reaper.start();
    return true;
}

void ConsoleWindow::ReadOutput()
{
    char buffer[4096];
    const ssize_t got = ::read(m_child->Master(), buffer, sizeof buffer);
    if (got > 0) {
        Print(std::string(buffer, static_cast<std::size_t>(got)));
        return;
    }
    // Every writer has closed the terminal (EIO) or it was hung up: no more output.
    if (got == 0 || (errno != EAGAIN && errno != EINTR))
        m_output->setEnabled(false);
}

void ConsoleWindow::CheckCommand()
{
    if (!m_child || m_child->TryReap() == std::nullopt)
        return;
    // Output still queued on the terminal comes before the next line of the script.
    while (m_output->isEnabled()) {
        char buffer[4096];
        const ssize_t got = ::read(m_child->Master(), buffer, sizeof buffer);
        if (got <= 0)
            break;
        Print(std::string(buffer, static_cast<std::size_t>(got)));
    }
    m_reaper.stop();
    m_output.reset();
    m_child.reset();
    Advance();
}

void ConsoleWindow::Print(const std::string& text)
{
    m_screen.Feed(text);
    m_view->setPlainText(QString::fromLocal8Bit(m_screen.Text().c_str()));
    m_view->moveCursor(QTextCursor::End);
    m_view->ensureCursorVisible();
}

void ConsoleWindow::keyPressEvent(QKeyEvent* event)
{
    if (m_paused) {
        m_paused = false;
        Print("\n");
        Advance();
        return;
    }
    if (m_child) {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        const QByteArray bytes = enter ? QByteArray("\r") : event->text().toLocal8Bit();
        if (!bytes.isEmpty())
            (void)!::write(m_child->Master(), bytes.constData(), static_cast<std::size_t>(bytes.size()));
        return;
    }
    QWidget::keyPressEvent(event);
}

void ConsoleWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_reaper.stop();
    m_output.reset();
    if (m_child) {
        m_child->EndGroup();
        m_child.reset();
    }
    Finish(1);
}

void ConsoleWindow::Finish(int exitCode)
{
    if (m_finished)
        return;
    m_finished = true;
    m_paused = false;
    if (onFinished)
        onFinished(exitCode);
}

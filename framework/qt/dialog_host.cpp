#include "dialog_host.h"

#include "framework/dialog_units.h"
#include "framework/dispatch.h"
#include "icons.h"
#include "text_conversion.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstdlib>

namespace backend {

namespace {

bool IsRadio(const ControlTemplate& source)
{
    return source.controlClass == ControlClass::Button && (source.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

bool IsPushButton(const ControlTemplate& source)
{
    const UINT type = source.style & BS_TYPEMASK;
    return source.controlClass == ControlClass::Button && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

bool IsReturn(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

DialogBaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    return {AverageCharWidth(metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"))),
            metrics.height()};
}

Qt::WindowFlags FlagsFor(const DialogTemplate& dialogTemplate, bool hasOwner)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags |= (dialogTemplate.exStyle & WS_EX_APPWINDOW) != 0 || !hasOwner ? Qt::Window : Qt::Dialog;
    if ((dialogTemplate.style & WS_SYSMENU) != 0)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if ((dialogTemplate.style & WS_MINIMIZEBOX) != 0 && (dialogTemplate.style & WS_CAPTION) != 0)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

} // namespace

DialogWindow::DialogWindow(DialogHost& host, QWidget* owner, Qt::WindowFlags flags)
    : QDialog(owner, flags), m_host(host)
{
}

void DialogWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        m_host.DeliverCommand(IDCANCEL);
    else if (IsReturn(*event))
        m_host.PressEnter();
    else
        QWidget::keyPressEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // The dialog decides by its own Cancel handling whether and when it ends.
    event->ignore();
    m_host.DeliverClose();
}

bool DialogWindow::focusNextPrevChild(bool next)
{
    m_host.MoveTab(next);
    return true;
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (qobject_cast<QRadioButton*>(widget)) {
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left: return m_host.MoveInGroup(widget, false);
        case Qt::Key_Down:
        case Qt::Key_Right: return m_host.MoveInGroup(widget, true);
        default: break;
        }
    }
    if (qobject_cast<QPlainTextEdit*>(widget) && IsReturn(*key)) {
        // A multi-line box that does not want Return leaves it to the dialog.
        m_host.PressEnter();
        return true;
    }
    return false;
}

DialogHost::DialogHost(CDialog& dialog, const DialogTemplate& dialogTemplate, const ResourceSet& resources,
                       QWidget* owner, bool modal)
    : m_dialog(dialog)
{
    m_window = std::make_unique<DialogWindow>(*this, owner, FlagsFor(dialogTemplate, owner != nullptr));
    m_native.widget = m_window.get();
    m_native.host = this;
    if (modal)
        m_window->setWindowModality(Qt::ApplicationModal);
    Build(dialogTemplate, resources);
}

DialogHost::~DialogHost()
{
    if (m_loop)
        m_loop->exit();
}

void DialogHost::Build(const DialogTemplate& dialogTemplate, const ResourceSet& resources)
{
    QFont font(QString::fromLatin1(dialogTemplate.fontName));
    font.setPointSize(dialogTemplate.pointSize);
    m_window->setFont(font);
    m_window->setWindowTitle(FromProgramText(dialogTemplate.caption));
    const DialogBaseUnits base = BaseUnitsOf(font);
    m_window->setFixedSize(DialogUnitsToPixelsX(dialogTemplate.cx, base), DialogUnitsToPixelsY(dialogTemplate.cy, base));

    int group = 0;
    QButtonGroup* radios = nullptr;
    for (const ControlTemplate& source : dialogTemplate.controls) {
        if ((source.style & WS_GROUP) != 0 && !m_controls.empty()) {
            ++group;
            radios = nullptr;
        }
        auto control = std::make_unique<ControlSlot>();
        control->source = &source;
        control->group = group;
        control->widget = MakeWidget(source, resources);
        QWidget& widget = *control->widget;
        widget.setGeometry(DialogUnitsToPixelsX(source.x, base), DialogUnitsToPixelsY(source.y, base),
                           DialogUnitsToPixelsX(source.cx, base), DialogUnitsToPixelsY(source.cy, base));
        widget.setEnabled((source.style & WS_DISABLED) == 0);
        widget.installEventFilter(m_window.get());
        if (IsRadio(source)) {
            if (!radios) {
                m_radioGroups.push_back(std::make_unique<QButtonGroup>());
                radios = m_radioGroups.back().get();
            }
            radios->addButton(static_cast<QRadioButton*>(&widget));
        }
        if (auto* button = qobject_cast<QAbstractButton*>(&widget); button && source.id > 0) {
            const int id = source.id;
            QObject::connect(button, &QAbstractButton::clicked, m_window.get(), [this, id] { DeliverCommand(id); });
        }
        if (IsPushButton(source) && (source.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            m_defaultId = source.id;
        control->native.widget = &widget;
        control->wrapper = std::make_unique<CWnd>(&control->native);
        widget.show();
        m_controls.push_back(std::move(control));
    }
}

std::unique_ptr<QWidget> DialogHost::MakeWidget(const ControlTemplate& source, const ResourceSet& resources)
{
    QWidget* parent = m_window.get();
    const QString text = FromProgramText(source.text);
    switch (source.controlClass) {
    case ControlClass::Button:
        switch (source.style & BS_TYPEMASK) {
        case BS_GROUPBOX: {
            auto box = std::make_unique<QGroupBox>(text, parent);
            box->setFocusPolicy(Qt::NoFocus);
            return box;
        }
        case BS_AUTORADIOBUTTON: {
            auto radio = std::make_unique<QRadioButton>(text, parent);
            radio->setAutoExclusive(false);
            radio->setFocusPolicy(Qt::StrongFocus);
            return radio;
        }
        default: {
            auto button = std::make_unique<QPushButton>(text, parent);
            button->setAutoDefault(false);
            button->setFocusPolicy(Qt::StrongFocus);
            return button;
        }
        }
    case ControlClass::Static: {
        auto label = std::make_unique<QLabel>(parent);
        label->setFocusPolicy(Qt::NoFocus);
        label->setTextFormat(Qt::PlainText);
        if ((source.style & SS_TYPEMASK) == SS_ICON) {
            const int iconId = std::atoi(source.text + (source.text[0] == '#' ? 1 : 0));
            if (const IconResource* icon = resources.FindIcon(iconId))
                label->setPixmap(IconFromResource(icon).pixmap(32, 32));
            return label;
        }
        label->setText(text);
        label->setWordWrap(true);
        const Qt::Alignment horizontal = (source.style & SS_TYPEMASK) == SS_CENTER ? Qt::AlignHCenter : Qt::AlignLeft;
        label->setAlignment(horizontal | Qt::AlignTop);
        return label;
    }
    case ControlClass::Edit: {
        auto edit = std::make_unique<QPlainTextEdit>(parent);
        edit->setPlainText(EditTextFromProgram(source.text));
        edit->setTabChangesFocus(true);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setVerticalScrollBarPolicy((source.style & WS_VSCROLL) != 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        edit->setFrameShape((source.style & WS_BORDER) != 0 ? QFrame::Box : QFrame::NoFrame);
        edit->setFocusPolicy(Qt::StrongFocus);
        return edit;
    }
    }
    return std::make_unique<QWidget>(parent);
}

const DialogHost::ControlSlot* DialogHost::Find(const QWidget* widget) const
{
    for (const auto& control : m_controls)
        if (control->widget.get() == widget)
            return control.get();
    return nullptr;
}

CWnd* DialogHost::Control(int id) const
{
    for (const auto& control : m_controls)
        if (control->source->id == id)
            return control->wrapper.get();
    return nullptr;
}

QWidget* DialogHost::WidgetFor(int id) const
{
    for (const auto& control : m_controls)
        if (control->source->id == id)
            return control->widget.get();
    return nullptr;
}

void DialogHost::CheckRadio(int firstId, int lastId, int checkId)
{
    for (const auto& group : m_radioGroups)
        group->setExclusive(false);
    for (const auto& control : m_controls) {
        const int id = control->source->id;
        if (id >= firstId && id <= lastId)
            if (auto* button = qobject_cast<QAbstractButton*>(control->widget.get()))
                button->setChecked(id == checkId);
    }
    for (const auto& group : m_radioGroups)
        group->setExclusive(true);
}

int DialogHost::CheckedRadio(int firstId, int lastId) const
{
    for (int id = firstId; id <= lastId; ++id)
        if (IsChecked(id))
            return id;
    return 0;
}

bool DialogHost::IsChecked(int id) const
{
    const auto* button = qobject_cast<const QAbstractButton*>(WidgetFor(id));
    return button && button->isChecked();
}

QWidget* DialogHost::GroupTarget(int group) const
{
    // A radio group is entered at its checked button, else at its own tab stop.
    QWidget* tabStop = nullptr;
    for (const auto& control : m_controls) {
        if (control->group != group || !control->widget->isEnabled())
            continue;
        if (IsRadio(*control->source) && IsChecked(control->source->id))
            return control->widget.get();
        if (!tabStop && (control->source->style & WS_TABSTOP) != 0)
            tabStop = control->widget.get();
    }
    return tabStop;
}

std::vector<QWidget*> DialogHost::TabTargets() const
{
    std::vector<QWidget*> targets;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const ControlSlot& control = *m_controls[i];
        if (IsRadio(*control.source)) {
            const bool firstOfGroup = i == 0 || m_controls[i - 1]->group != control.group;
            if (firstOfGroup)
                if (QWidget* target = GroupTarget(control.group))
                    targets.push_back(target);
        } else if ((control.source->style & WS_TABSTOP) != 0 && control.widget->isEnabled()) {
            targets.push_back(control.widget.get());
        }
    }
    return targets;
}

void DialogHost::FocusFirstTabStop()
{
    const std::vector<QWidget*> targets = TabTargets();
    if (!targets.empty())
        targets.front()->setFocus(Qt::TabFocusReason);
}

void DialogHost::MoveTab(bool forward)
{
    const std::vector<QWidget*> targets = TabTargets();
    if (targets.empty())
        return;
    const ControlSlot* current = Find(m_window->focusWidget());
    std::size_t at = targets.size();
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const ControlSlot* candidate = Find(targets[i]);
        if (current && candidate && (targets[i] == current->widget.get() ||
                                     (IsRadio(*current->source) && candidate->group == current->group)))
            at = i;
    }
    std::size_t next = 0;
    if (at == targets.size())
        next = forward ? 0 : targets.size() - 1;
    else
        next = forward ? (at + 1) % targets.size() : (at + targets.size() - 1) % targets.size();
    targets[next]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

bool DialogHost::MoveInGroup(QWidget* from, bool forward)
{
    const ControlSlot* current = Find(from);
    if (!current)
        return false;
    std::vector<QWidget*> members;
    std::size_t at = 0;
    for (const auto& control : m_controls) {
        if (control->group != current->group || !IsRadio(*control->source))
            continue;
        if (control.get() == current)
            at = members.size();
        members.push_back(control->widget.get());
    }
    for (std::size_t step = 1; step < members.size(); ++step) {
        const std::size_t index = forward ? (at + step) % members.size() : (at + members.size() - step) % members.size();
        if (members[index]->isEnabled()) {
            members[index]->setFocus(Qt::OtherFocusReason);
            static_cast<QAbstractButton*>(members[index])->click();
            return true;
        }
    }
    return true;
}

void DialogHost::PressEnter()
{
    if (auto* button = qobject_cast<QPushButton*>(m_window->focusWidget()); button && Find(button)) {
        button->click();
        return;
    }
    DeliverCommand(m_defaultId);
}

void DialogHost::DeliverCommand(int id)
{
    AfxCallWndProc(m_dialog, WM_COMMAND, MAKEWPARAM(static_cast<UINT>(id), BN_CLICKED), 0);
}

void DialogHost::DeliverClose() { AfxCallWndProc(m_dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

int DialogHost::RunModal()
{
    m_window->show();
    FocusFirstTabStop();
    m_window->activateWindow();
    if (!m_ended) {
        QEventLoop loop;
        m_loop = &loop;
        loop.exec(QEventLoop::DialogExec);
        m_loop = nullptr;
    }
    return 0;
}

void DialogHost::End()
{
    m_ended = true;
    m_window->hide();
    if (m_loop)
        m_loop->exit();
}

} // namespace backend

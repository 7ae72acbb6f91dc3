// The window operations of CWnd over the widget that stands for the window.

#include "dialog_host.h"
#include "framework/cwnd.h"
#include "framework/dispatch.h"
#include "framework/qt_bridge.h"
#include "icons.h"
#include "text_conversion.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>

namespace {

QWidget* Widget(backend::NativeWindow* native) { return native ? native->widget.data() : nullptr; }

} // namespace

QWidget* WidgetOf(const CWnd& window) { return Widget(window.GetSafeHwnd()); }

bool CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    QWidget* widget = Widget(m_hWnd);
    if (!widget)
        return false;
    // Queued on the widget, so it is dropped if the window is destroyed first.
    return QMetaObject::invokeMethod(
        widget, [this, message, wParam, lParam] { AfxCallWndProc(*this, message, wParam, lParam); },
        Qt::QueuedConnection);
}

void CWnd::SetWindowText(const char* text)
{
    QWidget* widget = Widget(m_hWnd);
    if (!widget)
        return;
    const QString converted = backend::FromProgramText(text);
    if (widget->isWindow())
        widget->setWindowTitle(converted);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(converted);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(converted);
    else if (auto* box = qobject_cast<QGroupBox*>(widget))
        box->setTitle(converted);
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        edit->setPlainText(backend::EditTextFromProgram(text));
}

CString CWnd::GetWindowText() const
{
    QWidget* widget = Widget(m_hWnd);
    if (!widget)
        return {};
    if (widget->isWindow())
        return CString(backend::ToProgramText(widget->windowTitle()));
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return CString(backend::ToProgramText(button->text()));
    if (auto* label = qobject_cast<QLabel*>(widget))
        return CString(backend::ToProgramText(label->text()));
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        return CString(backend::ToProgramText(box->title()));
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        return CString(backend::EditTextToProgram(edit->toPlainText()));
    return {};
}

bool CWnd::ShowWindow(int command)
{
    QWidget* widget = Widget(m_hWnd);
    if (!widget)
        return false;
    const bool wasVisible = widget->isVisible();
    widget->setVisible(command != SW_HIDE);
    return wasVisible;
}

bool CWnd::IsWindowVisible() const
{
    QWidget* widget = Widget(m_hWnd);
    return widget && widget->isVisible();
}

bool CWnd::EnableWindow(bool enable)
{
    QWidget* widget = Widget(m_hWnd);
    if (!widget)
        return false;
    const bool wasDisabled = !widget->isEnabled();
    widget->setEnabled(enable);
    return wasDisabled;
}

bool CWnd::IsWindowEnabled() const
{
    QWidget* widget = Widget(m_hWnd);
    return widget && widget->isEnabled();
}

void CWnd::GetWindowRect(CRect* rect) const
{
    QWidget* widget = Widget(m_hWnd);
    if (!widget || !rect)
        return;
    const QRect frame = widget->isWindow() ? widget->frameGeometry()
                                           : QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    *rect = {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
}

void CWnd::MoveWindow(int x, int y, int width, int height, bool repaint)
{
    QWidget* widget = Widget(m_hWnd);
    if (!widget)
        return;
    if (widget->isWindow()) {
        const QSize frameExtra = widget->frameGeometry().size() - widget->size();
        widget->move(x, y);
        if (widget->minimumSize() != widget->maximumSize())
            widget->resize(width - frameExtra.width(), height - frameExtra.height());
    } else {
        widget->setGeometry(x, y, width, height);
    }
    if (repaint)
        widget->update();
}

void CWnd::SetIcon(HICON icon, bool)
{
    // One icon carries both sizes; the window system picks the one it draws.
    if (QWidget* widget = Widget(m_hWnd))
        widget->setWindowIcon(backend::IconFromResource(icon));
}

void CWnd::SetToolTip(const char* text)
{
    if (QWidget* widget = Widget(m_hWnd))
        widget->setToolTip(backend::FromProgramText(text));
}

CWnd* CWnd::GetDlgItem(int id) const
{
    return m_hWnd && m_hWnd->host ? m_hWnd->host->Control(id) : nullptr;
}

void CWnd::SetDlgItemText(int id, const char* text)
{
    if (CWnd* item = GetDlgItem(id))
        item->SetWindowText(text);
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId)
{
    if (m_hWnd && m_hWnd->host)
        m_hWnd->host->CheckRadio(firstId, lastId, checkId);
}

int CWnd::GetCheckedRadioButton(int firstId, int lastId) const
{
    return m_hWnd && m_hWnd->host ? m_hWnd->host->CheckedRadio(firstId, lastId) : 0;
}

int GetSystemMetrics(int index)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect();
    switch (index) {
    case SM_CXSCREEN: return area.width();
    case SM_CYSCREEN: return area.height();
    case SM_CXICON:
    case SM_CYICON: return 32;
    default: return 0;
    }
}

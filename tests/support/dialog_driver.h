#pragma once
// Drives a created dialog as a user would: clicks, keys, and a look at its controls.

#include "framework/cdialog.h"
#include "framework/cwinapp.h"
#include "framework/qt_bridge.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWidget>

class DialogDriver {
public:
    explicit DialogDriver(CDialog& dialog) : m_dialog(dialog) {}

    // Creates the dialog as the application's main window and shows it.
    bool OpenAsMainWindow(CWinApp& app)
    {
        app.m_pMainWnd = &m_dialog;
        if (!m_dialog.Create())
            return false;
        Show();
        return true;
    }

    // Shows the dialog, lets queued messages run and makes it the active window.
    void Show()
    {
        QWidget* window = WidgetOf(m_dialog);
        window->show();
        QApplication::setActiveWindow(window);
        Settle();
    }

    static void Settle()
    {
        for (int round = 0; round < 3; ++round)
            QApplication::processEvents();
    }

    QWidget* Window() const { return WidgetOf(m_dialog); }
    QWidget* Control(int id) const { return WidgetOf(*m_dialog.GetDlgItem(id)); }
    QAbstractButton* Button(int id) const { return qobject_cast<QAbstractButton*>(Control(id)); }
    bool Checked(int id) const { return Button(id)->isChecked(); }
    bool Enabled(int id) const { return Control(id)->isEnabled(); }
    int Focused() const
    {
        for (int id = 1; id < 1100; ++id)
            if (const CWnd* item = m_dialog.GetDlgItem(id); item && WidgetOf(*item)->hasFocus())
                return id;
        return 0;
    }

    void Click(int id) { QTest::mouseClick(Control(id), Qt::LeftButton); }
    void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : Window(), key); }

private:
    CDialog& m_dialog;
};

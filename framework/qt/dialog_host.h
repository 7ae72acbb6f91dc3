#pragma once
// Builds a dialog's widgets from its template and gives them the keyboard behaviour of
// template dialogs: Tab over tab stops in template order, arrows inside a radio group,
// Enter for the focused or default push button, Esc for Cancel.

#include "framework/cdialog.h"
#include "native_window.h"

#include <QButtonGroup>
#include <QDialog>
#include <QEventLoop>

#include <memory>
#include <vector>

namespace backend {

class DialogHost;

class DialogWindow final : public QDialog {
public:
    DialogWindow(DialogHost& host, QWidget* owner, Qt::WindowFlags flags);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DialogHost& m_host;
};

class DialogHost {
public:
    DialogHost(CDialog& dialog, const DialogTemplate& dialogTemplate, const ResourceSet& resources, QWidget* owner,
               bool modal);
    ~DialogHost();
    DialogHost(const DialogHost&) = delete;
    DialogHost& operator=(const DialogHost&) = delete;

    NativeWindow& Native() { return m_native; }
    DialogWindow& Window() { return *m_window; }
    CWnd* Control(int id) const;
    QWidget* WidgetFor(int id) const;

    void CheckRadio(int firstId, int lastId, int checkId);
    int CheckedRadio(int firstId, int lastId) const;
    bool IsChecked(int id) const;

    void FocusFirstTabStop();
    int RunModal();
    void End();

    // Keyboard and mouse, forwarded by the window.
    void MoveTab(bool forward);
    bool MoveInGroup(QWidget* from, bool forward);
    void PressEnter();
    void DeliverCommand(int id);
    void DeliverClose();

private:
    struct ControlSlot {
        const ControlTemplate* source;
        int group; // index of the group it belongs to, in template order
        std::unique_ptr<QWidget> widget;
        NativeWindow native;
        std::unique_ptr<CWnd> wrapper;
    };

    void Build(const DialogTemplate& dialogTemplate, const ResourceSet& resources);
    std::unique_ptr<QWidget> MakeWidget(const ControlTemplate& source, const ResourceSet& resources);
    const ControlSlot* Find(const QWidget* widget) const;
    std::vector<QWidget*> TabTargets() const;
    QWidget* GroupTarget(int group) const;

    CDialog& m_dialog;
    NativeWindow m_native;
    std::unique_ptr<DialogWindow> m_window;
    std::vector<std::unique_ptr<QButtonGroup>> m_radioGroups;
    std::vector<std::unique_ptr<ControlSlot>> m_controls;
    int m_defaultId = IDOK;
    bool m_ended = false;
    QEventLoop* m_loop = nullptr;
};

} // namespace backend

#pragma once
// What a CWnd stands for in the Qt backend: one widget, and for a dialog the host that
// built it from its template.

#include <QPointer>
#include <QWidget>

class CWnd;

namespace backend {

class DialogHost;

struct NativeWindow {
    QPointer<QWidget> widget;
    DialogHost* host = nullptr; // the dialog's own host; null for a control
};

} // namespace backend

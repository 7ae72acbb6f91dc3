#pragma once
// A window: the dialog itself or one of its controls. Messages reach it through its
// message map; controls are addressed by their ids.

#include "framework/cstring.h"
#include "framework/message_map.h"
#include "framework/resources.h"
#include "framework/window_types.h"

namespace backend {
struct NativeWindow;
}

struct CRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(backend::NativeWindow* native) : m_hWnd(native) {}
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    // Runs the message through the window's message map at once; an exception that
    // leaves a handler is reported by the framework and goes no further.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Queues the message; it is handled from the message loop, after what is queued before it.
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    void SetWindowText(const char* text);
    CString GetWindowText() const;
    bool ShowWindow(int command);
    bool IsWindowVisible() const;
    bool EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    void GetWindowRect(CRect* rect) const;
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    void SetIcon(HICON icon, bool bigIcon);
    void SetToolTip(const char* text);

    CWnd* GetDlgItem(int id) const;
    void SetDlgItemText(int id, const char* text);
    void CheckRadioButton(int firstId, int lastId, int checkId);
    // The first checked button from firstId to lastId in ascending id order, or 0.
    int GetCheckedRadioButton(int firstId, int lastId) const;

    // The dialog message box: owned by this window, with the caller's caption and style.
    int MessageBox(const char* text, const char* caption, UINT type = MB_OK) const;

    backend::NativeWindow* GetSafeHwnd() const { return m_hWnd; }

    // Entry of every message; public for the backend, which forwards the window system's events.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    backend::NativeWindow* m_hWnd = nullptr;
};

int GetSystemMetrics(int index);

#include "framework/cdialog.h"

#include "framework/cwinapp.h"

bool CDialog::OnInitDialog() { return true; }

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnCommand(WPARAM wParam, LPARAM)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return false;
    switch (static_cast<int>(LOWORD(wParam))) {
    case IDOK: OnOK(); return true;
    case IDCANCEL: OnCancel(); return true;
    default: return false;
    }
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog() ? 1 : 0;
    case WM_CLOSE: return SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    default: return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

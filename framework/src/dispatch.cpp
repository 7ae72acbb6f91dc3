#include "framework/dispatch.h"

#include "framework/cfile_exception.h"
#include "framework/cwinapp.h"
#include "framework/cwnd.h"

#include <new>

LRESULT AfxCallWndProc(CWnd& window, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        return window.WindowProc(message, wParam, lParam);
    } catch (const CFileException& error) {
        AfxMessageBox(error.GetErrorMessage(), MB_OK | MB_ICONHAND);
    } catch (const std::bad_alloc&) {
        AfxMessageBox("Out of memory.", MB_OK | MB_ICONEXCLAMATION);
    }
    return 0;
}

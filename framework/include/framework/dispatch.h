#pragma once
// Delivery of one message to a window, with the framework's report of an exception that
// leaves the handler: the message is then done, and the window stays as it is.

#include "framework/window_types.h"

class CWnd;

LRESULT AfxCallWndProc(CWnd& window, UINT message, WPARAM wParam, LPARAM lParam);

#include "framework/cwnd.h"

#include "framework/cwinapp.h"
#include "framework/dispatch.h"

CWnd::~CWnd() = default;

const MessageMap* CWnd::GetThisMessageMap()
{
    static const MessageMap map{nullptr, {}};
    return &map;
}

const MessageMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return AfxCallWndProc(*this, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr)
        for (const MessageMapEntry& entry : map->entries)
            if (entry.Matches(message, wParam))
                return entry.handler(*this, wParam, lParam);
    if (message == WM_COMMAND && OnCommand(wParam, lParam))
        return 0;
    return DefWindowProc(message, wParam, lParam);
}

bool CWnd::OnCommand(WPARAM, LPARAM) { return false; }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM)
{
    // Moving, sizing and minimising are the window system's own; closing comes back here.
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE)
        return SendMessage(WM_CLOSE);
    return 0;
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) const
{
    return AfxGetApp()->Boxes().Show({this, text, caption, type});
}

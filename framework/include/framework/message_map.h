#pragma once
// Message maps: a class binds messages and button clicks to its handler operations in a
// static table whose base is its base class's table.

#include "framework/window_types.h"

#include <functional>
#include <vector>

class CWnd;

struct MessageMapEntry {
    UINT message;
    UINT code;   // notification code, for WM_COMMAND
    int firstId; // control ids, for WM_COMMAND
    int lastId;
    std::function<LRESULT(CWnd&, WPARAM, LPARAM)> handler;

    bool Matches(UINT msg, WPARAM wParam) const
    {
        if (msg != message)
            return false;
        if (msg != WM_COMMAND)
            return true;
        const int id = static_cast<int>(LOWORD(wParam));
        return HIWORD(wParam) == code && id >= firstId && id <= lastId;
    }
};

struct MessageMap {
    const MessageMap* (*base)();
    std::vector<MessageMapEntry> entries;
};

namespace message_map {

template <typename T>
MessageMapEntry Clicked(int id, void (T::*handler)())
{
    return {WM_COMMAND, BN_CLICKED, id, id, [handler](CWnd& wnd, WPARAM, LPARAM) -> LRESULT {
                (static_cast<T&>(wnd).*handler)();
                return 0;
            }};
}

template <typename T>
MessageMapEntry ClickedRange(int firstId, int lastId, void (T::*handler)(UINT))
{
    return {WM_COMMAND, BN_CLICKED, firstId, lastId, [handler](CWnd& wnd, WPARAM wParam, LPARAM) -> LRESULT {
                (static_cast<T&>(wnd).*handler)(LOWORD(wParam));
                return 0;
            }};
}

template <typename T>
MessageMapEntry Message(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM))
{
    return {message, 0, 0, 0, [handler](CWnd& wnd, WPARAM wParam, LPARAM lParam) -> LRESULT {
                return (static_cast<T&>(wnd).*handler)(wParam, lParam);
            }};
}

template <typename T>
MessageMapEntry SysCommand(void (T::*handler)(UINT, LPARAM))
{
    return {WM_SYSCOMMAND, 0, 0, 0, [handler](CWnd& wnd, WPARAM wParam, LPARAM lParam) -> LRESULT {
                (static_cast<T&>(wnd).*handler)(static_cast<UINT>(wParam), lParam);
                return 0;
            }};
}

} // namespace message_map

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const MessageMap* GetThisMessageMap();                                                                      \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }                                  \
    const MessageMap* theClass::GetThisMessageMap()                                                                    \
    {                                                                                                                  \
        using ThisClass = theClass;                                                                                    \
        static const MessageMap map{&baseClass::GetThisMessageMap, {

#define END_MESSAGE_MAP()                                                                                              \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    return &map;                                                                                                       \
    }

#define ON_BN_CLICKED(id, handler) message_map::Clicked<ThisClass>(id, handler),
#define ON_CONTROL_RANGE_CLICKED(firstId, lastId, handler) message_map::ClickedRange<ThisClass>(firstId, lastId, handler),
#define ON_MESSAGE(message, handler) message_map::Message<ThisClass>(message, handler),
#define ON_WM_SYSCOMMAND() message_map::SysCommand<ThisClass>(&ThisClass::OnSysCommand),

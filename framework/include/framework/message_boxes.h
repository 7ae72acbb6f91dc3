#pragma once
// The message boxes through which the framework and the program speak to the user.
// The toolkit's boxes are one implementation; a recording fake answers from a script.

#include "framework/cstring.h"
#include "framework/window_types.h"

#include <memory>

class CWnd;

struct MessageBoxRequest {
    const CWnd* owner; // may be null
    CString text;
    CString caption;
    UINT style; // MB_ buttons | MB_ICON | MB_DEFBUTTON
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // The id of the button pressed (IDOK, IDYES, ...), 0 if the box could not be shown.
    virtual int Show(const MessageBoxRequest& request) = 0;
};

// The toolkit's modal boxes.
std::unique_ptr<MessageBoxes> MakeToolkitMessageBoxes();

// Dialog template 129: the instructions page.

#include "resources/program_resources.h"
#include "resources/resource.h"

namespace {

constexpr ControlTemplate kControls[] = {
    {ControlClass::Button, IDOK, "OK", 166, 256, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    {ControlClass::Edit, IDC_INSTRUCTIONS_TEXT, "", 4, 4, 374, 244, WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE},
};

} // namespace

const DialogTemplate kInstructionsDialog = {
    IDD_INSTRUCTIONS,
    "Vandrel Update Instructions",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    0,
    "MS Sans Serif",
    8,
    0, 0, 382, 275,
    kControls,
};

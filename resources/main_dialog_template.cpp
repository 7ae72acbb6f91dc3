// Dialog template 102: the main dialog.

#include "resources/program_resources.h"
#include "resources/resource.h"

namespace {

constexpr UINT kGroupTab = WS_GROUP | WS_TABSTOP;
constexpr UINT kRadio = BS_AUTORADIOBUTTON;
constexpr UINT kLabel = SS_LEFT | WS_GROUP;

constexpr ControlTemplate kControls[] = {
    {ControlClass::Button, IDCANCEL, "Close", 360, 140, 48, 14, BS_PUSHBUTTON | kGroupTab},
    {ControlClass::Button, -1, "Vandrel Model to Update: ", 8, 8, 276, 124, BS_GROUPBOX},
    {ControlClass::Button, 1000, "Vandrel3 Plus", 16, 20, 84, 10, kRadio | kGroupTab},
    {ControlClass::Button, 1001, "Vandrel3 Newwork", 16, 32, 84, 10, kRadio},
    {ControlClass::Button, 1002, "Vandrel4 Plus", 16, 48, 84, 10, kRadio},
    {ControlClass::Button, 1003, "Vandrel4 Network", 16, 60, 84, 10, kRadio},
    {ControlClass::Button, 1004, "Vandrel5 Plus", 16, 76, 84, 10, kRadio},
    {ControlClass::Button, 1005, "Vandrel5 Network", 16, 88, 84, 10, kRadio},
    {ControlClass::Button, 1006, "Vandrel6 Plus", 16, 104, 84, 10, kRadio},
    {ControlClass::Button, 1007, "Vandrel6 Network", 16, 116, 84, 10, kRadio},
    {ControlClass::Static, -1, "2 digital/RS232 inputs", 104, 21, 176, 8, kLabel},
    {ControlClass::Static, -1, "2 digital/RS232 inputs with network output", 104, 33, 176, 8, kLabel},
    {ControlClass::Static, -1, "2 RS232 inputs", 104, 49, 176, 8, kLabel},
    {ControlClass::Static, -1, "2 RS232 inputs with network output", 104, 61, 176, 8, kLabel},
    {ControlClass::Static, -1, "4 digital/RS232 + 1 RS232 inputs", 104, 77, 176, 8, kLabel},
    {ControlClass::Static, -1, "4 digital/RS232 + 1 RS232 inputs with network output", 104, 89, 176, 8, kLabel},
    {ControlClass::Static, -1, "5 RS232 inputs", 104, 105, 176, 8, kLabel},
    {ControlClass::Static, -1, "5 RS232 inputs with network output", 104, 117, 176, 8, kLabel},
    {ControlClass::Button, -1, "Serial Port: ", 296, 8, 112, 76, BS_GROUPBOX},
    {ControlClass::Button, 1008, "COM1", 304, 20, 40, 10, kRadio | kGroupTab | WS_DISABLED},
    {ControlClass::Button, 1009, "COM2", 304, 32, 40, 10, kRadio | WS_DISABLED},
    {ControlClass::Button, 1010, "COM3", 304, 44, 40, 10, kRadio | WS_DISABLED},
    {ControlClass::Button, 1011, "COM4", 304, 56, 40, 10, kRadio | WS_DISABLED},
    {ControlClass::Button, 1012, "COM5", 304, 68, 40, 10, kRadio | WS_DISABLED},
    {ControlClass::Button, 1013, "COM6", 360, 20, 40, 10, kRadio | WS_DISABLED},
    {ControlClass::Button, 1014, "COM7", 360, 32, 40, 10, kRadio | WS_DISABLED},
    {ControlClass::Button, 1015, "COM8", 360, 44, 40, 10, kRadio | WS_DISABLED},
    {ControlClass::Button, 1016, "COM9", 360, 56, 40, 10, kRadio | WS_DISABLED},
    {ControlClass::Button, 1017, "COM10", 360, 68, 40, 10, kRadio | WS_DISABLED},
    {ControlClass::Button, -1, "Baud Rate: ", 296, 92, 112, 40, BS_GROUPBOX | WS_GROUP},
    {ControlClass::Button, 1034, "9,600", 304, 104, 36, 10, kRadio | kGroupTab},
    {ControlClass::Button, 1035, "19,200", 304, 116, 40, 10, kRadio},
    {ControlClass::Button, 1036, "57,600", 360, 104, 44, 10, kRadio},
    {ControlClass::Button, 1037, "115,200", 360, 116, 44, 10, kRadio},
    {ControlClass::Button, IDC_ABOUT, "About", 180, 140, 48, 14, BS_PUSHBUTTON | kGroupTab},
    {ControlClass::Button, IDC_INSTRUCTIONS, "Instructions", 240, 140, 48, 14, BS_PUSHBUTTON | kGroupTab},
    {ControlClass::Button, IDC_UPDATE, "Update", 300, 140, 48, 14, BS_PUSHBUTTON | kGroupTab | WS_DISABLED},
};

} // namespace

const DialogTemplate kMainDialog = {
    IDD_VDFLASH_DIALOG,
    "VDFlash Utility for Vandrel Firmware Ver x.xx",
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_SETFONT,
    WS_EX_APPWINDOW,
    "MS Sans Serif",
    8,
    0, 0, 416, 161,
    kControls,
};

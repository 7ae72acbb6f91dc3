// Dialog template 100: the About box.

#include "resources/program_resources.h"
#include "resources/resource.h"

namespace {

constexpr UINT kCentred = SS_CENTER | WS_GROUP;

constexpr ControlTemplate kControls[] = {
    {ControlClass::Static, -1, "#128", 11, 17, 20, 20, SS_ICON},
    {ControlClass::Button, IDOK, "OK", 123, 108, 48, 14, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP},
    {ControlClass::Static, IDC_VERSION_LINE, "Version 1.0.0.6", 75, 48, 144, 8, kCentred | SS_NOPREFIX},
    {ControlClass::Static, -1, "Vandrel Firmware Update Program", 77, 8, 140, 8, kCentred},
    {ControlClass::Static, IDC_COPYRIGHT, "Copyright (C) 2006 Korventa Systems, Inc.", 60, 20, 173, 8, kCentred},
    {ControlClass::Static, -1, "All rights reserved.", 77, 32, 140, 8, kCentred},
    {ControlClass::Static, -1, "www.korventa-systems.example", 77, 76, 140, 8, kCentred},
    {ControlClass::Static, -1, "Support: +1 555 0142 (8:00AM to 4:30PM Pacific)", 47, 88, 200, 8, kCentred},
    {ControlClass::Static, IDC_DATE_LINE, "January 27, 2006", 75, 60, 144, 8, kCentred | SS_NOPREFIX},
};

} // namespace

const DialogTemplate kAboutDialog = {
    IDD_ABOUTBOX,
    "About VDFlash",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    0,
    "MS Sans Serif",
    8,
    0, 0, 294, 127,
    kControls,
};

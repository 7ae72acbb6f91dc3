#pragma once
// Messages, styles, command ids and message-box codes, with the values of the
// window system the program was first written for.

#include <cstdint>

using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_INITDIALOG = 0x0110;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;
inline constexpr UINT WM_USER = 0x0400;

inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT SC_CLOSE = 0xF060;

inline constexpr WPARAM MAKEWPARAM(UINT low, UINT high) { return (low & 0xFFFF) | ((high & 0xFFFF) << 16); }
inline constexpr UINT LOWORD(WPARAM value) { return static_cast<UINT>(value & 0xFFFF); }
inline constexpr UINT HIWORD(WPARAM value) { return static_cast<UINT>((value >> 16) & 0xFFFF); }

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_OKCANCEL = 0x1;
inline constexpr UINT MB_YESNO = 0x4;
inline constexpr UINT MB_ICONHAND = 0x10;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONASTERISK = 0x40;
inline constexpr UINT MB_DEFBUTTON2 = 0x100;
inline constexpr UINT MB_TYPEMASK = 0xF;
inline constexpr UINT MB_ICONMASK = 0xF0;
inline constexpr UINT MB_DEFMASK = 0xF00;

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;

inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;

// Window and control styles, as dialog templates carry them.
inline constexpr UINT WS_POPUP = 0x80000000;
inline constexpr UINT WS_VISIBLE = 0x10000000;
inline constexpr UINT WS_DISABLED = 0x08000000;
inline constexpr UINT WS_CAPTION = 0x00C00000;
inline constexpr UINT WS_BORDER = 0x00800000;
inline constexpr UINT WS_SYSMENU = 0x00080000;
inline constexpr UINT WS_VSCROLL = 0x00200000;
inline constexpr UINT WS_GROUP = 0x00020000;
inline constexpr UINT WS_MINIMIZEBOX = 0x00020000;
inline constexpr UINT WS_TABSTOP = 0x00010000;
inline constexpr UINT WS_CHILD = 0x40000000;
inline constexpr UINT DS_SETFONT = 0x40;
inline constexpr UINT DS_MODALFRAME = 0x80;
inline constexpr UINT WS_EX_APPWINDOW = 0x00040000;

inline constexpr UINT BS_PUSHBUTTON = 0x0;
inline constexpr UINT BS_DEFPUSHBUTTON = 0x1;
inline constexpr UINT BS_GROUPBOX = 0x7;
inline constexpr UINT BS_AUTORADIOBUTTON = 0x9;
inline constexpr UINT BS_TYPEMASK = 0xF;
inline constexpr UINT SS_LEFT = 0x0;
inline constexpr UINT SS_CENTER = 0x1;
inline constexpr UINT SS_ICON = 0x3;
inline constexpr UINT SS_TYPEMASK = 0x1F;
inline constexpr UINT SS_NOPREFIX = 0x80;
inline constexpr UINT ES_MULTILINE = 0x4;

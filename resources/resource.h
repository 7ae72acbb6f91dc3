#pragma once
// Numbers of the program's resources, controls, commands and private messages.

#include "framework/window_types.h"

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_VDFLASH_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDD_INSTRUCTIONS = 129;

// Main dialog
inline constexpr int IDC_MODEL_FIRST = 1000; // one radio per catalogue entry, in index order
inline constexpr int IDC_MODEL_LAST = 1007;
inline constexpr int IDC_COM1 = 1008; // port n is IDC_COM1 + n - 1
inline constexpr int IDC_COM10 = 1017;
inline constexpr int IDC_ABOUT = 1018;
inline constexpr int IDC_INSTRUCTIONS = 1019;
inline constexpr int IDC_UPDATE = 1020;
inline constexpr int IDC_BAUD_9600 = 1034;
inline constexpr int IDC_BAUD_19200 = 1035;
inline constexpr int IDC_BAUD_57600 = 1036;
inline constexpr int IDC_BAUD_115200 = 1037;

// Instructions dialog
inline constexpr int IDC_INSTRUCTIONS_TEXT = 1019;

// About dialog
inline constexpr int IDC_COPYRIGHT = 1121;
inline constexpr int IDC_VERSION_LINE = 1218;
inline constexpr int IDC_DATE_LINE = 1219;

// The About item of the main dialog's system menu.
inline constexpr UINT IDM_ABOUTBOX = 0x0010;

// Posted by the main dialog to itself to probe the serial ports.
inline constexpr UINT WM_PROBE_PORTS = WM_USER + 100;

#pragma once
// The run of a written update script in its console window, and the notice after it.

#include "framework/cstring.h"

class CUpdaterDlg;

// Runs the script in the bin directory with the dialog hidden, waits for its window to
// close, deletes the script and shows what to do on the device. A failed delete throws
// CFileException and leaves the bin directory current.
void RunUpdateScript(CUpdaterDlg& dialog, const CString& scriptPath, const CString& caption);

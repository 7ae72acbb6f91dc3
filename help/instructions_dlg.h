#pragma once
// The instructions page: how to open the interface, connect the cable and run an update.

#include "framework/cdialog.h"

class CInstructionsDlg : public CDialog {
public:
    explicit CInstructionsDlg(CWnd* parent = nullptr);

protected:
    bool OnInitDialog() override;
};

// The whole text, joined anew from its fragments.
CString InstructionsText();

#pragma once
// The About box: the program's title, version, date and the maker's notices.

#include "framework/cdialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

protected:
    bool OnInitDialog() override;
};

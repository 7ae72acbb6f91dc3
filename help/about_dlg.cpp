#include "help/about_dlg.h"

#include "app/dialog_placement.h"
#include "resources/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

bool CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    PlaceDialog(*this);
    return true;
}

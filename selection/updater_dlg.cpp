#include "selection/updater_dlg.h"

#include "app/dialog_placement.h"
#include "app/updater_app.h"
#include "framework/paths.h"
#include "help/about_dlg.h"
#include "help/instructions_dlg.h"
#include "resources/resource.h"
#include "selection/baud_rates.h"
#include "selection/model_catalogue.h"
#include "selection/version_file.h"

BEGIN_MESSAGE_MAP(CUpdaterDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_BN_CLICKED(IDC_ABOUT, &CUpdaterDlg::OnAbout)
ON_BN_CLICKED(IDC_INSTRUCTIONS, &CUpdaterDlg::OnInstructions)
ON_BN_CLICKED(IDC_UPDATE, &CUpdaterDlg::OnUpdate)
ON_CONTROL_RANGE_CLICKED(IDC_MODEL_FIRST, IDC_MODEL_LAST, &CUpdaterDlg::OnModelClicked)
ON_MESSAGE(WM_PROBE_PORTS, &CUpdaterDlg::OnProbePorts)
END_MESSAGE_MAP()

CUpdaterDlg::CUpdaterDlg(CWnd* parent)
    : CDialog(IDD_VDFLASH_DIALOG, parent), m_hIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME))
{
}

bool CUpdaterDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);
    PlaceDialog(*this);

    m_strBinDir = AfxJoinPath(UpdaterApp().m_strProgramDir, "bin");
    m_strVersion = ReadFirmwareVersion(m_strBinDir);
    CString title;
    title.Format("VDFlash Utility for Vandrel Firmware Ver %s", m_strVersion.GetString());
    SetWindowText(title);

    const int baud = UpdaterApp().ReadIntSetting("Settings", "Baud", -1);
    CheckRadioButton(IDC_BAUD_9600, IDC_BAUD_115200, BaudRadioForRate(baud));

    PostMessage(WM_PROBE_PORTS, 0, 0);
    return true;
}

// Enter on anything but a push button must not end the dialog.
void CUpdaterDlg::OnOK() {}

void CUpdaterDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX)
        OnAbout();
    else
        CDialog::DefWindowProc(WM_SYSCOMMAND, nID, lParam);
}

void CUpdaterDlg::OnAbout()
{
    CAboutDlg about;
    about.DoModal();
}

void CUpdaterDlg::OnInstructions()
{
    CInstructionsDlg instructions;
    instructions.DoModal();
}

void CUpdaterDlg::OnModelClicked(UINT radioId)
{
    if (!m_bPortAvailable)
        return;
    GetDlgItem(IDC_UPDATE)->EnableWindow(true);
    m_nModel = ModelIndexFromRadio(static_cast<int>(radioId));
}

#pragma once
// The main dialog: the model, port and baud choices, the firmware version in the title,
// and the routes to About, Instructions and Update.

#include "framework/cdialog.h"

class CUpdaterDlg : public CDialog {
public:
    explicit CUpdaterDlg(CWnd* parent = nullptr);

    int m_nModel = 0;              // catalogue index of the model radio clicked last
    bool m_bPortAvailable = false; // the probe found a usable port
    CString m_strBinDir;
    CString m_strVersion;
    HICON m_hIcon;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnAbout();
    void OnInstructions();
    void OnUpdate();
    void OnModelClicked(UINT radioId);
    LRESULT OnProbePorts(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

#include "app/updater_app.h"

#include "app/program_directory.h"
#include "resources/program_resources.h"
#include "resources/resource.h"
#include "selection/updater_dlg.h"

CUpdaterApp::CUpdaterApp() : CUpdaterApp(CurrentAppEnvironment(), MakeSystemServices(CurrentAppEnvironment())) {}

CUpdaterApp::CUpdaterApp(AppEnvironment environment, AppServices services)
    : CWinApp(ProgramResources(), std::move(environment), std::move(services))
{
}

bool CUpdaterApp::InitInstance()
{
    SetRegistryKey(kCompanyKey);
    m_strProgramDir = LaunchProgramDir();

    CUpdaterDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // No message loop: the program ends with its dialog.
    return false;
}

int CUpdaterApp::ReadIntSetting(const char* section, const char* entry, int defaultValue) const
{
    return GetProfileInt(section, entry, defaultValue);
}

bool CUpdaterApp::WriteIntSetting(const char* section, const char* entry, int value) const
{
    return WriteProfileInt(section, entry, value);
}

CUpdaterApp& UpdaterApp() { return static_cast<CUpdaterApp&>(*AfxGetApp()); }

#include "framework/cwinapp.h"

#include "framework/cwnd.h"

#include <filesystem>

namespace {

CWinApp* g_currentApp = nullptr;

CString AppNameFromPath(const std::string& executablePath)
{
    return CString(std::filesystem::path(executablePath).stem().string());
}

} // namespace

CWinApp::CWinApp(const ResourceSet& resources, AppEnvironment environment, AppServices services)
    : m_resources(resources),
      m_environment(std::move(environment)),
      m_services(std::move(services)),
      m_strAppName(AppNameFromPath(m_environment.executablePath))
{
    g_currentApp = this;
}

CWinApp::~CWinApp()
{
    if (g_currentApp == this)
        g_currentApp = nullptr;
}

CWinApp* AfxGetApp() { return g_currentApp; }

bool CWinApp::InitInstance() { return false; }

int CWinApp::ExitInstance() { return 0; }

void CWinApp::SetRegistryKey(const char* company)
{
    const std::filesystem::path file =
        std::filesystem::path(m_environment.configHome) / company / (m_strAppName.Str() + ".ini");
    m_profile.emplace(file.string());
}

int CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) const
{
    return m_profile ? m_profile->ReadInt(section, entry, defaultValue) : defaultValue;
}

bool CWinApp::WriteProfileInt(const char* section, const char* entry, int value) const
{
    return m_profile && m_profile->WriteInt(section, entry, value);
}

int CWinApp::DoMessageBox(const char* text, UINT type) const
{
    if ((type & MB_TYPEMASK) == MB_OK && (type & MB_ICONMASK) == 0)
        type |= MB_ICONEXCLAMATION;
    return m_services.messageBoxes->Show({m_pMainWnd, text, m_strAppName, type});
}

int AfxMessageBox(const char* text, UINT type) { return AfxGetApp()->DoMessageBox(text, type); }

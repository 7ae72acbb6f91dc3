#pragma once
// The application: its start-up and end, its name, its per-user profile, the application
// message box and the wait cursor. Exactly one exists at a time; AfxGetApp() finds it.

#include "framework/app_environment.h"
#include "framework/app_services.h"
#include "framework/cstring.h"
#include "framework/ini_profile.h"
#include "framework/message_boxes.h"
#include "framework/resources.h"

#include <memory>
#include <optional>

class CWnd;

class CWinApp {
public:
    CWinApp(const ResourceSet& resources, AppEnvironment environment, AppServices services);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    virtual bool InitInstance();
    virtual int Run();
    virtual int ExitInstance();

    // The executable's file name without its extension.
    const CString& GetAppName() const { return m_strAppName; }
    const AppEnvironment& Environment() const { return m_environment; }
    const ResourceSet& Resources() const { return m_resources; }
    MessageBoxes& Boxes() const { return *m_services.messageBoxes; }
    const ComPorts& Ports() const { return *m_services.comPorts; }
    ScriptRunner& Scripts() const { return *m_services.scripts; }

    // Keeps the profile per user, below the company's name and the application name.
    void SetRegistryKey(const char* company);
    int GetProfileInt(const char* section, const char* entry, int defaultValue) const;
    bool WriteProfileInt(const char* section, const char* entry, int value) const;

    HICON LoadIcon(int id) const { return m_resources.FindIcon(id); }

    // The application message box: owned by the main window, captioned with the
    // application name; an OK box with no icon named gets the exclamation icon.
    int DoMessageBox(const char* text, UINT type) const;

    void BeginWaitCursor();
    void EndWaitCursor();

    CWnd* m_pMainWnd = nullptr;

private:
    const ResourceSet& m_resources;
    AppEnvironment m_environment;
    AppServices m_services;
    CString m_strAppName;
    std::optional<IniProfile> m_profile;
    int m_waitCursorDepth = 0;
};

CWinApp* AfxGetApp();
int AfxMessageBox(const char* text, UINT type = MB_OK);

// The wait cursor for the life of one scope.
class CWaitCursor {
public:
    CWaitCursor() { AfxGetApp()->BeginWaitCursor(); }
    ~CWaitCursor() { AfxGetApp()->EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

// The process's entry into the framework: starts the toolkit, runs the application's
// start-up, its message loop if start-up asks for one, and its exit step.
int AfxWinMain(int argc, char** argv);

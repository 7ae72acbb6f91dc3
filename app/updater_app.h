#pragma once
// The application object: start-up, the program directory, the settings store.

#include "framework/cwinapp.h"

// The company's name, below which the settings store keeps the program's settings.
inline constexpr char kCompanyKey[] = "Korventa Systems";

class CUpdaterApp : public CWinApp {
public:
    CUpdaterApp();
    CUpdaterApp(AppEnvironment environment, AppServices services);

    bool InitInstance() override;

    int ReadIntSetting(const char* section, const char* entry, int defaultValue) const;
    bool WriteIntSetting(const char* section, const char* entry, int value) const;

    // Where the program was started from, without a trailing separator; may be empty.
    CString m_strProgramDir;
};

// The one application object of the process.
CUpdaterApp& UpdaterApp();

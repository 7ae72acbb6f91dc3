#include "update/script_run.h"

#include "framework/cfile.h"
#include "framework/current_directory.h"
#include "framework/cwinapp.h"
#include "selection/updater_dlg.h"
#include "update/update_script.h"
#include "update/update_texts.h"

#include <cerrno>
#include <memory>

namespace {

// Starts the script by its bare name from the bin directory. When the bin directory cannot
// be made current, nothing starts: a script of the same name in another directory is not
// the one just written.
std::unique_ptr<CProcess> StartInBinDirectory(const CString& binDir, unsigned& errorCode)
{
    if (!AfxSetCurrentDirectory(binDir)) {
        errorCode = static_cast<unsigned>(errno);
        return nullptr;
    }
    return AfxGetApp()->Scripts().StartScript(kUpdateScriptName, errorCode);
}

} // namespace

void RunUpdateScript(CUpdaterDlg& dialog, const CString& scriptPath, const CString& caption)
{
    const CString savedDirectory = AfxGetCurrentDirectory();
    dialog.ShowWindow(SW_HIDE);
    unsigned errorCode = 0;
    if (std::unique_ptr<CProcess> process = StartInBinDirectory(dialog.m_strBinDir, errorCode))
        process->Wait();
    else
        AfxMessageBox(StartFailureText(errorCode), MB_OK);
    dialog.ShowWindow(SW_SHOW);

    CFile::Remove(scriptPath);
    AfxSetCurrentDirectory(savedDirectory);
    dialog.MessageBox(CompletionNoticeText(), caption, MB_OK | MB_ICONQUESTION);
}

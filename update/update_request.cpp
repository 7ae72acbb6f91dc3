// One press of Update: the choices, two confirmations, the stored settings, the script.

#include "app/updater_app.h"
#include "framework/paths.h"
#include "resources/resource.h"
#include "selection/baud_rates.h"
#include "selection/model_catalogue.h"
#include "selection/updater_dlg.h"
#include "update/script_run.h"
#include "update/update_script.h"
#include "update/update_texts.h"

namespace {

// Yes and No, the question mark, and No as the default button.
constexpr UINT kConfirmationStyle = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;

} // namespace

void CUpdaterDlg::OnUpdate()
{
    const int portRadio = GetCheckedRadioButton(IDC_COM1, IDC_COM10);
    const int baudRadio = GetCheckedRadioButton(IDC_BAUD_9600, IDC_BAUD_115200);
    if (portRadio == 0 || baudRadio == 0)
        return;
    const int port = portRadio - (IDC_COM1 - 1);
    const int baud = RateForBaudRadio(baudRadio);
    const ModelEntry& model = ModelAt(m_nModel);
    const CString caption = UpdateCaption(model.strModelName);

    // Only a Yes is consent: a box that could not be shown answers neither.
    if (MessageBox(FirstConfirmationText(model.strModelName, m_strVersion, port, baud), caption, kConfirmationStyle) !=
        IDYES)
        return;
    if (MessageBox(SecondConfirmationText(model.strModelName), caption, kConfirmationStyle) != IDYES)
        return;

    UpdaterApp().WriteIntSetting("Settings", "ComPort", port);
    UpdaterApp().WriteIntSetting("Settings", "Baud", baud);

    const CString scriptPath = AfxJoinPath(m_strBinDir, kUpdateScriptName);
    if (!WriteUpdateScript(scriptPath, UpdateScriptLines(model.strModelName, model.strFileStem, port, baud))) {
        AfxMessageBox("Cannot create the Vandrel update file", MB_OK);
        return;
    }
    RunUpdateScript(*this, scriptPath, caption);
}

// One press of Update.

#include "selection/updater_dlg.h"

void CUpdaterDlg::OnUpdate() {}

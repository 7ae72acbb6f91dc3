// The serial port probe, run once from the message queue right after initialisation.

#include "selection/updater_dlg.h"

LRESULT CUpdaterDlg::OnProbePorts(WPARAM, LPARAM)
{
    m_bPortAvailable = false;
    return 1;
}

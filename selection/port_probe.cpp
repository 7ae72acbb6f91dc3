// The serial port probe, run once from the message queue right after initialisation.

#include "app/updater_app.h"
#include "resources/resource.h"
#include "selection/port_choice.h"
#include "selection/updater_dlg.h"

LRESULT CUpdaterDlg::OnProbePorts(WPARAM, LPARAM)
{
    CWaitCursor wait;
    const ComPorts& ports = AfxGetApp()->Ports();
    PortAvailability available {};
    for (int port = 1; port <= kPortCount; ++port) {
        CString name;
        name.Format("COM%d", port);
        available[static_cast<std::size_t>(port)] = ports.CanOpenExclusive(name);
        GetDlgItem(IDC_COM1 + port - 1)->SetToolTip(ports.DeviceOf(name));
    }

    const int chosen = ChoosePort(UpdaterApp().ReadIntSetting("Settings", "ComPort", -1), available);
    for (int port = 1; port <= kPortCount; ++port)
        if (available[static_cast<std::size_t>(port)])
            GetDlgItem(IDC_COM1 + port - 1)->EnableWindow(true);
    m_bPortAvailable = chosen != 0;
    if (m_bPortAvailable)
        CheckRadioButton(IDC_COM1, IDC_COM10, IDC_COM1 + chosen - 1);
    return 1;
}

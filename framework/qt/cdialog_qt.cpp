// Creation, modal run and end of a dialog, over the host that builds its widgets.

#include "dialog_host.h"
#include "framework/cdialog.h"
#include "framework/cwinapp.h"
#include "framework/dispatch.h"

CDialog::CDialog(int templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() = default;

bool CDialog::CreateHost(CWnd* owner, bool modal)
{
    const CWinApp* app = AfxGetApp();
    const DialogTemplate* dialogTemplate = app ? app->Resources().FindDialog(m_nIDTemplate) : nullptr;
    if (!dialogTemplate)
        return false;
    if (!owner && app->m_pMainWnd != this)
        owner = app->m_pMainWnd;
    QWidget* ownerWidget = owner && owner->GetSafeHwnd() ? owner->GetSafeHwnd()->widget.data() : nullptr;
    m_host = std::make_unique<backend::DialogHost>(*this, *dialogTemplate, app->Resources(), ownerWidget, modal);
    m_hWnd = &m_host->Native();
    m_nModalResult = -1;
    if (AfxCallWndProc(*this, WM_INITDIALOG, 0, 0) != 0)
        m_host->FocusFirstTabStop();
    return true;
}

bool CDialog::Create(CWnd* parent) { return CreateHost(parent ? parent : m_pParentWnd, false); }

int CDialog::DoModal()
{
    if (!CreateHost(m_pParentWnd, true))
        return -1;
    m_host->RunModal();
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    if (m_host)
        m_host->End();
}

void CDialog::DestroyWindow()
{
    m_hWnd = nullptr;
    m_host.reset();
}

#pragma once
// A dialog built from a numbered template of the application's resources.

#include "framework/cwnd.h"

#include <memory>

namespace backend {
class DialogHost;
}

class CDialog : public CWnd {
public:
    explicit CDialog(int templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the window, initialises it, runs it until EndDialog, destroys the window
    // and returns the end code; -1 if the window cannot be created.
    virtual int DoModal();
    // Creates the window and initialises it, without a modal run.
    bool Create(CWnd* parent = nullptr);
    void EndDialog(int result);
    void DestroyWindow();

    int m_nModalResult = -1;

protected:
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateHost(CWnd* owner, bool modal);

    int m_nIDTemplate;
    CWnd* m_pParentWnd;
    std::unique_ptr<backend::DialogHost> m_host;
};

// The application's entry, message loop and wait cursor on the toolkit.

#include "framework/cwinapp.h"

#include <QApplication>
#include <QCursor>

int CWinApp::Run() { return QApplication::exec(); }

void CWinApp::BeginWaitCursor()
{
    if (m_waitCursorDepth++ == 0)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void CWinApp::EndWaitCursor()
{
    if (m_waitCursorDepth > 0 && --m_waitCursorDepth == 0)
        QApplication::restoreOverrideCursor();
}

int AfxWinMain(int argc, char** argv)
{
    QApplication toolkit(argc, argv);
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    if (app->InitInstance())
        app->Run();
    return app->ExitInstance();
}

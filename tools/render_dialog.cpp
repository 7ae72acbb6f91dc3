// Renders a dialog of the program to a PNG file, with a caption bar that shows its title,
// so that the picture can be held against its template.
//   render_dialog OUTPUT.png [main|about|instructions]

#include "app/updater_app.h"
#include "framework/qt_bridge.h"
#include "help/about_dlg.h"
#include "help/instructions_dlg.h"
#include "selection/updater_dlg.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

class SilentBoxes final : public MessageBoxes {
public:
    int Show(const MessageBoxRequest&) override { return IDOK; }
};

std::unique_ptr<CDialog> MakeDialog(const char* which)
{
    if (std::strcmp(which, "about") == 0)
        return std::make_unique<CAboutDlg>();
    if (std::strcmp(which, "instructions") == 0)
        return std::make_unique<CInstructionsDlg>();
    return std::make_unique<CUpdaterDlg>();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_dialog OUTPUT.png [main|about|instructions]\n");
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication toolkit(argc, argv);
    // The built program's folder for the version, and no stored settings: the first start.
    CUpdaterApp app({CurrentAppEnvironment().executablePath, "/nonexistent"},
                    {std::make_unique<SilentBoxes>(), MakeFixedComPorts("/nonexistent"), nullptr});
    app.SetRegistryKey(kCompanyKey);
    app.m_strProgramDir = VDFLASH_PROGRAM_DIR;
    std::unique_ptr<CDialog> dialog = MakeDialog(argc > 2 ? argv[2] : "main");
    app.m_pMainWnd = dialog.get();
    if (!dialog->Create())
        return 1;
    QWidget* window = WidgetOf(*dialog);
    window->show();
    QApplication::processEvents();

    const QPixmap client = window->grab();
    const int captionHeight = 22;
    QPixmap picture(client.width() + 2, client.height() + captionHeight + 1);
    picture.fill(QColor(0, 0, 128));
    QPainter painter(&picture);
    painter.drawPixmap(1, captionHeight, client);
    painter.setPen(Qt::white);
    QFont bold = window->font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRect(6, 0, picture.width() - 12, captionHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     window->windowTitle());
    painter.end();
    return picture.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

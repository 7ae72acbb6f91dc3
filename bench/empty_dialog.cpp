// The baseline for the start-up benchmark: an empty Qt dialog shown modally.

#include <QApplication>
#include <QDialog>

int main(int argc, char** argv)
{
    QApplication toolkit(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Empty Qt Dialog"));
    dialog.resize(624, 262);
    return dialog.exec();
}

#include "frmmain.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pipwell"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Pipwell"));
    pipwell::applyDesktopLook();

    pipwell::FrmMain window;
    window.loadAndShow();
    return QApplication::exec();
}

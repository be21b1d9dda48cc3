#include "frmmain.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pipwell"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Pipwell"));
    pipwell::applyDesktopLook();

    int status = 0;
    {
        pipwell::FrmMain window;
        window.loadAndShow();
        status = QApplication::exec();
    }
    // The PulseAudio main loop behind Qt Multimedia can fail an assertion while it is torn
    // down at exit; the window is gone and nothing is left to save, so leave without it.
    std::fflush(nullptr);
    std::_Exit(status);
}

#include "frmmain.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[]) {
    // The window is a fixed pixel design that X (XWayland on a Wayland desktop) shows with
    // the desktop's own title bar. Qt's Wayland plugin is not a dependency; without this
    // Qt would look for it first on a Wayland desktop and print a warning before falling
    // back to X. An explicit QT_QPA_PLATFORM still wins.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
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

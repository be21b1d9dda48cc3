#include "frmmain.h"
#include "playsoundfile.h"
#include "startup.h"
#include "windowlog.h"

#include <QApplication>
#include <QThread>

int main(int argc, char *argv[]) {
    // Qt takes the first thread that asks for its thread data as the main thread; the threads
    // started below may ask before the application object exists.
    QThread::currentThread();
    // The intro starts first, so that it is heard while Qt and the window start up; the
    // window still appears only once it has ended.
    pipwell::FrmMain::Services services;
    services.programDir = pipwell::programFolder();
    if (!services.programDir.isEmpty())
        pipwell::startSoundEarly(pipwell::FrmMain::introPath(services.programDir));
    std::jthread readingFonts = pipwell::readFontsAhead();

    // The window is a fixed pixel design that X (XWayland on a Wayland desktop) shows with
    // the desktop's own title bar. Qt's Wayland plugin is not a dependency; without this
    // Qt would look for it first on a Wayland desktop and print a warning before falling
    // back to X. An explicit QT_QPA_PLATFORM still wins.
    const bool choosingX =
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY");
    if (choosingX)
        qputenv("QT_QPA_PLATFORM", "xcb");
    // Qt asks once, at start, whether a screen reader is on; offering the game to the
    // accessibility bus from the start lets one started later hear it too. Qt takes any
    // value as "on", so an explicit 0 is honoured here by removing it.
    if (qEnvironmentVariable("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") == QLatin1String("0"))
        qunsetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    else
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QApplication app(argc, argv);
    // The choice was this process's alone: what the game starts (the readme's viewer) chooses
    // its own.
    if (choosingX) {
        qunsetenv("QT_QPA_PLATFORM");
        qCDebug(pipwell::lcWindow, "showing the window through X");
    }
    QApplication::setApplicationName(QStringLiteral("Pipwell"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Pipwell"));
    pipwell::applyDesktopLook();
    pipwell::installTranslations();

    int status = 0;
    readingFonts.join();
    {
        pipwell::FrmMain window(services);
        window.loadAndShow();
        status = QApplication::exec();
    }
    pipwell::stopSounds();
    return status;
}

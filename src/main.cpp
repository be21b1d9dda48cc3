#include "frmmain.h"
#include "platform.h"
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

    // Qt asks once, at start, whether a screen reader is on; offering the game to the
    // accessibility bus from the start lets one started later hear it too. Qt takes any
    // value as "on", so an explicit 0 is honoured here by removing it.
    if (qEnvironmentVariable("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") == QLatin1String("0")) {
        qunsetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    } else {
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    }
    // The platform is this process's own: what the game starts (the readme's viewer) chooses
    // its own.
    const QByteArray platform = pipwell::platformForThisProcess();
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    if (!platform.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
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

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

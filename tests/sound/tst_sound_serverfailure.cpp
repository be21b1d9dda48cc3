// A sound server that hangs or dies in the middle of a sound must not hold the game for
// long. The test runs a private server of its own, so that stopping and killing it
// disturbs no other test.

#include "playsoundfile.h"
#include "soundfixtures.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <signal.h>
#include <sys/prctl.h>

#include <cstdio>
#include <cstdlib>

using namespace pipwell::testing;

namespace {

QProcess *server = nullptr;
QString serverProblem;

// Starts pulseaudio in the foreground as our child, with a null sink and its socket and
// state in a private folder, and points this process at it.
void startPrivateServer(const QString &folder) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (program.isEmpty()) {
        serverProblem = QStringLiteral("pulseaudio is not installed");
        return;
    }
    const QString socket = folder + QStringLiteral("/native");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
    env.insert(QStringLiteral("PULSE_STATE_PATH"), folder);
    // Away from any other server: its cookie, and its name on the session bus, which a
    // second server could not take.
    for (const char *name : {"PULSE_SERVER", "PULSE_COOKIE", "DBUS_SESSION_BUS_ADDRESS"})
        env.remove(QString::fromLatin1(name));
    server = new QProcess;
    server->setProcessEnvironment(env);
    // Dies with the test, even if the test crashes while the server is stopped.
    server->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    server->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server->start(program,
                  {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                   QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disallow-exit=yes"),
                   QStringLiteral("--realtime=no"), QStringLiteral("--high-priority=no"),
                   QStringLiteral("--log-level=error"),
                   QStringLiteral("--load=module-null-sink sink_name=nullsink norewinds=1"),
                   QStringLiteral("--load=module-native-protocol-unix socket=") + socket});
    const QByteArray address = "unix:" + QFile::encodeName(socket);
    qputenv("PULSE_SERVER", address);
    qputenv("PULSE_COOKIE", QFile::encodeName(folder + QStringLiteral("/pulse/cookie")));
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000 && server->state() != QProcess::NotRunning) {
        QProcess probe;
        probe.setStandardOutputFile(QProcess::nullDevice());
        probe.setStandardErrorFile(QProcess::nullDevice());
        probe.start(QStringLiteral("pactl"), {QStringLiteral("info")});
        if (probe.waitForFinished(5000) && probe.exitStatus() == QProcess::NormalExit &&
            probe.exitCode() == 0)
            return;
        QTest::qWait(100);
    }
    serverProblem = QStringLiteral("the private pulseaudio server did not start");
}

} // namespace

class TestSoundServerFailure : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        if (!serverProblem.isEmpty())
            QSKIP(qPrintable(serverProblem));
        if (QMediaDevices::defaultAudioOutput().isNull())
            QSKIP("No audio device available");
    }

    // Runs first: the server lives on afterwards.
    void hungServerHoldsNoLongerThanLimit() {
        // Longer than the server's buffer, so that the sink cannot hand over all of it.
        const QString tone = dir.filePath(QStringLiteral("four-seconds.wav"));
        QVERIFY(writeTone(tone, 4.0));
        const auto pid = pid_t(server->processId());
        bool stopped = false;
        QElapsedTimer clock;
        QTimer::singleShot(300, server, [&] { stopped = ::kill(pid, SIGSTOP) == 0; });
        clock.start();
        PlaySoundFile(tone);
        const qint64 elapsed = clock.elapsed();
        ::kill(pid, SIGCONT);
        QVERIFY(stopped);
        // The limit is the length plus one second; another second for a busy machine.
        qInfo("returned after %lld ms", elapsed);
        QVERIFY2(elapsed < 4000 + 1000 + 1000,
                 qPrintable(QStringLiteral("returned after %1 ms").arg(elapsed)));
    }

    void returnsSoonAfterServerDies() {
        const QString tone = dir.filePath(QStringLiteral("long.wav"));
        QVERIFY(writeTone(tone, 5.0));
        qint64 killedAt = -1;
        QElapsedTimer clock;
        QTimer::singleShot(500, server, [&] {
            killedAt = clock.elapsed();
            server->kill();
        });
        clock.start();
        PlaySoundFile(tone);
        const qint64 elapsed = clock.elapsed();
        QVERIFY(killedAt >= 0);
        // Without noticing, it would go on for the 4.5 s left of the tone.
        QVERIFY2(elapsed - killedAt < 3000,
                 qPrintable(QStringLiteral("server killed at %1 ms, returned at %2 ms")
                                .arg(killedAt)
                                .arg(elapsed)));
    }
};

// libpulse occasionally asserts while the process exits (more so once its server is
// gone); leave without running exit handlers once the results are out.
int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    startPrivateServer(folder.path());
    int status = 0;
    {
        // Destroyed before the exit, which runs no destructors, to clean up its files.
        TestSoundServerFailure test;
        status = QTest::qExec(&test, argc, argv);
    }
    if (server && server->state() != QProcess::NotRunning) {
        server->kill();
        server->waitForFinished(5000);
    }
    folder.remove();
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

#include "tst_sound_serverfailure.moc"

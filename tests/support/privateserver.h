#pragma once

// A pulseaudio server of a test's own, in the foreground as its child, with a null sink and
// its socket and state in a temporary folder of its own, so that stopping or killing it
// disturbs no other test.

#include "soundfixtures.h"

#include <QStandardPaths>

#include <sys/prctl.h>

#include <csignal>
#include <memory>

namespace pipwell::testing {

class PrivateServer {
public:
    PrivateServer() = default;
    ~PrivateServer() { kill(); }
    PrivateServer(const PrivateServer &) = delete;
    PrivateServer &operator=(const PrivateServer &) = delete;

    // Starts the server, points this process at it and waits until it answers; the reason
    // when it does not. Called again after kill(), it starts a new one at the same place.
    QString start() {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (program.isEmpty())
            return QStringLiteral("pulseaudio is not installed");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder_);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder_);
        env.insert(QStringLiteral("PULSE_STATE_PATH"), folder_);
        // Away from any other server: its cookie, and its name on the session bus, which a
        // second server could not take.
        for (const char *name : {"PULSE_SERVER", "PULSE_COOKIE", "DBUS_SESSION_BUS_ADDRESS"})
            env.remove(QString::fromLatin1(name));
        useIt();
        process_ = std::make_unique<QProcess>();
        process_->setProcessEnvironment(env);
        // Dies with the test, even if the test crashes while the server is stopped.
        process_->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_->start(program,
                        {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                         QStringLiteral("--exit-idle-time=-1"),
                         QStringLiteral("--disallow-exit=yes"), QStringLiteral("--realtime=no"),
                         QStringLiteral("--high-priority=no"), QStringLiteral("--log-level=error"),
                         QStringLiteral("--load=module-null-sink sink_name=nullsink norewinds=1"),
                         QStringLiteral("--load=module-native-protocol-unix socket=") + socket()});
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000 && running()) {
            if (soundServerAnswers())
                return {};
            QTest::qWait(100);
        }
        return QStringLiteral("the private pulseaudio server did not start");
    }

    void kill() {
        if (running()) {
            process_->kill();
            process_->waitForFinished(5000);
        }
    }

    bool running() const { return process_ && process_->state() != QProcess::NotRunning; }
    qint64 processId() const { return process_ ? process_->processId() : 0; }

private:
    // Points this process's clients (and pactl) at the server; before anything connects.
    void useIt() const {
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket()));
        qputenv("PULSE_COOKIE", QFile::encodeName(folder_ + QStringLiteral("/pulse/cookie")));
    }
    QString socket() const { return folder_ + QStringLiteral("/native"); }

    QTemporaryDir dir_;
    QString folder_ = dir_.path();
    std::unique_ptr<QProcess> process_;
};

} // namespace pipwell::testing

// The sound layer where nothing is heard. Without a sound server PlaySoundFile returns at once,
// still reports its end so nothing waiting for the sound is held up, and starts no server of
// its own; a server that never answers holds it until the cut-off, no less and not much
// longer. And the rule for the sink's last buffer, by its numbers.

#include "playsoundfile.h"
#include "pulseoutput.h"
#include "soundfixtures.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <sys/wait.h>

using namespace pipwell::testing;
using pipwell::PlaySoundFile;

class TestSoundNoServer : public QObject, SoundFolder {
    Q_OBJECT
public:
    // Before anything connects. Debian keeps /nonexistent from existing.
    TestSoundNoServer() { qputenv("PULSE_SERVER", "unix:/nonexistent/pipwell-test/native"); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY2(!soundServerAnswers(),
                 "a sound server answered although the sound server is unreachable");
    }

    // Even where the user's client.conf allows it. libpulse never starts a server for root,
    // so the player is an ordinary user here: a child process as nobody. Runs first, as
    // libpulse works in no child of a process that has used it.
    void startsNoServer() {
        QTemporaryDir open;
        QVERIFY(open.isValid() &&
                QFile::setPermissions(open.path(), QFileDevice::Permissions(0x7777)));
        const QString started = open.filePath(QStringLiteral("started"));
        const QString daemon = open.filePath(QStringLiteral("daemon"));
        QVERIFY(writeBytes(daemon, "#!/bin/sh\n: >'" + QFile::encodeName(started) + "'\n"));
        QVERIFY(QFile::setPermissions(daemon, QFileDevice::Permissions(0x7555)));
        QVERIFY(writeBytes(open.filePath(QStringLiteral("client.conf")),
                           "autospawn = yes\ndaemon-binary = " + QFile::encodeName(daemon) + '\n'));
        const pid_t child = ::fork();
        if (child == 0) {
            const bool user = ::getuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
            const QDir home(open.path());
            qunsetenv("PULSE_SERVER");
            qputenv("HOME", QFile::encodeName(home.path()));
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.filePath(QStringLiteral("run"))));
            qputenv("PULSE_CLIENTCONFIG",
                    QFile::encodeName(home.filePath(QStringLiteral("client.conf"))));
            if (user && home.mkdir(QStringLiteral("run")))
                PlaySoundFile(home.filePath(QStringLiteral("absent.wav")));
            ::_exit(user ? 0 : 1);
        }
        int status = -1;
        QVERIFY(child > 0 && ::waitpid(child, &status, 0) == child);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the child could not play");
        QVERIFY2(!QFile::exists(started), "the game started a sound server");
    }

    void returnsAtOnce_data() {
        QTest::addColumn<QString>("path");
        QVERIFY(dir.isValid());
        const QString tone = dir.filePath(QStringLiteral("three-seconds.wav"));
        QVERIFY(writeTone(tone, 3.0));
        QTest::newRow("sound file") << tone;
        QTest::newRow("missing file") << dir.filePath(QStringLiteral("absent.wav"));
    }
    void returnsAtOnce() {
        QFETCH(QString, path);
        QSignalSpy ended(pipwell::SoundEvents::instance(), &pipwell::SoundEvents::allSoundsEnded);
        const qint64 elapsed = msTaken([&] { PlaySoundFile(path); });
        // Playing the three-second tone would block for all of it.
        QVERIFY2(elapsed < kBusyMachineMarginMs,
                 qPrintable(QStringLiteral("blocked %1 ms").arg(elapsed)));
        QCOMPARE(ended.count(), 1);
        QVERIFY(!pipwell::soundPlaying());
    }

    void sinkTail_data() {
        QTest::addColumn<qint64>("readUs");
        QTest::addColumn<qint64>("transportUs");
        QTest::addColumn<qint64>("sinkUs");
        QTest::addColumn<qint64>("leftUs");
        QTest::newRow("100 ms in the sink") << 1'000'000LL << 1'000LL << 100'000LL << 99'000LL;
        QTest::newRow("20 ms not yet read") << 980'000LL << 0LL << 30'000LL << 50'000LL;
        QTest::newRow("2 s in the sink: not believed")
            << 1'000'000LL << 0LL << 2'000'000LL << 500'000LL;
        QTest::newRow("half a millisecond") << 1'000'000LL << 0LL << 500LL << 0LL;
        QTest::newRow("played already") << 1'000'000LL << 5'000LL << 2'000LL << 0LL;
    }
    // Of a one-second sound, drained: what the sink still plays before its last sample is heard.
    void sinkTail() {
        QFETCH(qint64, readUs);
        QFETCH(qint64, transportUs);
        QFETCH(qint64, sinkUs);
        QFETCH(qint64, leftUs);
        QCOMPARE(qint64(pipwell::sound::sinkTailUs(1'000'000, readUs, transportUs, sinkUs)),
                 leftUs);
    }

    // Runs last: the connection to the hung server may linger.
    void hungServerHoldsUntilTheCutOff() {
        const QString socket = file(QStringLiteral("hung"));
        HungServer server(socket);
        QVERIFY(server.listening());
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket));
        const QString tone = file(QStringLiteral("short.wav"));
        QVERIFY(writeTone(tone, 0.3));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cut off after")));
        const qint64 elapsed = msTaken([&] { PlaySoundFile(tone); });
        const qint64 cutOff = 300 + pipwell::sound::kCutOffSlackMs;
        const QString report = QStringLiteral("cut off after %1 ms").arg(elapsed);
        QVERIFY2(elapsed >= cutOff, qPrintable(report));
        // Nothing else runs meanwhile: only the timer may be late on a busy machine, and the
        // margin stays under the half second that a changed slack would add.
        QVERIFY2(elapsed <= cutOff + 400, qPrintable(report));
    }
};

PIPWELL_TEST_MAIN_LEAVING(QCoreApplication, TestSoundNoServer)

#include "tst_sound_noserver.moc"

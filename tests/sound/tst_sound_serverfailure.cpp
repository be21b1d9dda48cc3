// A sound server that hangs, dies or loses its sink in the middle of a sound must not hold
// the game for long. The test runs a private server of its own, so that stopping and killing it
// disturbs no other test.

#include "playsoundfile.h"
#include "privateserver.h"
#include "sinkclock.h"

#include <QCoreApplication>
#include <QTimer>

#include <csignal>

using namespace pipwell::testing;
using pipwell::PlaySoundFile;

class TestSoundServerFailure : public QObject, SoundFolder {
    Q_OBJECT
    PrivateServer server;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir.isValid());
        const QString serverProblem = server.start();
        if (!serverProblem.isEmpty())
            QSKIP(qPrintable(serverProblem));
    }

    // Runs first: the server lives on afterwards.
    void hungServerHoldsNoLongerThanLimit() {
        // Longer than the server's buffer, so that the sink cannot hand over all of it.
        const QString tone = dir.filePath(QStringLiteral("four-seconds.wav"));
        QVERIFY(writeTone(tone, 4.0));
        const auto pid = pid_t(server.processId());
        bool stopped = false;
        QTimer::singleShot(300, [&] { stopped = ::kill(pid, SIGSTOP) == 0; });
        const qint64 elapsed = msTaken([&] { PlaySoundFile(tone); });
        ::kill(pid, SIGCONT);
        QVERIFY(stopped);
        qInfo("returned after %lld ms", elapsed);
        QVERIFY2(elapsed <= longestMs(1, 4000),
                 qPrintable(QStringLiteral("returned after %1 ms").arg(elapsed)));
    }

    void returnsSoonAfterTheOutputGoes_data() {
        QTest::addColumn<bool>("killServer"); // or only unload its sink, which ends the stream
        QTest::addColumn<qint64>("withinMs");
        QTest::newRow("sink unloaded") << false << kBusyMachineMarginMs;
        QTest::newRow("server killed") << true << 3000LL;
    }
    // The server is killed in the last row.
    void returnsSoonAfterTheOutputGoes() {
        QFETCH(bool, killServer);
        QFETCH(qint64, withinMs);
        const QString tone = dir.filePath(QStringLiteral("long.wav"));
        QVERIFY(writeTone(tone, 5.0));
        const QStringList sink{QStringLiteral("module-null-sink"),
                               QStringLiteral("sink_name=nullsink norewinds=1")};
        qint64 goneAt = -1;
        QElapsedTimer clock;
        QTimer::singleShot(500, [&] {
            goneAt = clock.elapsed();
            if (killServer) {
                server.kill();
            } else {
                pactl({QStringLiteral("unload-module"), sink.first()});
            }
        });
        clock.start();
        PlaySoundFile(tone);
        const qint64 elapsed = clock.elapsed();
        if (!killServer)
            pactl(QStringList{QStringLiteral("load-module")} + sink);
        QVERIFY(goneAt >= 0);
        // Without noticing, it would go on for the 4.5 s left of the tone.
        QVERIFY2(elapsed - goneAt < withinMs,
                 qPrintable(
                     QStringLiteral("gone at %1 ms, returned at %2 ms").arg(goneAt).arg(elapsed)));
    }

    // Runs after the server was killed: a new one in its place is heard at the next sound.
    void heardAfterServerRestart() {
        QVERIFY(!server.running());
        const QString tone = dir.filePath(QStringLiteral("after.wav"));
        QVERIFY(writeSquareWave(tone, 400));
        PlaySoundFile(tone); // no server: returns at once
        QCOMPARE(server.start(), QString());
        SinkCapture capture;
        QVERIFY(capture.start());
        const qint64 elapsed = msTaken([&] { PlaySoundFile(tone); });
        settle(capture, nowMs() + 200);
        const std::vector<Burst> heard = bursts(capture.samples());
        capture.stop();
        QVERIFY2(elapsed >= 360, qPrintable(QStringLiteral("returned after %1 ms").arg(elapsed)));
        QCOMPARE(heard.size(), size_t(1));
        QVERIFY(heard.front().last - heard.front().first > kRate * 360 / 1000);
    }
};

PIPWELL_TEST_MAIN_LEAVING(QCoreApplication, TestSoundServerFailure)

#include "tst_sound_serverfailure.moc"

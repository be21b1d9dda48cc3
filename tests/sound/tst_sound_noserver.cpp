// Without a sound server there is nothing to play on: PlaySoundFile must return at once,
// and still report its end, so nothing waiting for the sound is held up.

#include "playsoundfile.h"
#include "soundfixtures.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace pipwell::testing;

class TestSoundNoServer : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY2(!soundServerAnswers(),
                 "a sound server answered although the sound server is unreachable");
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
        QElapsedTimer clock;
        clock.start();
        PlaySoundFile(path);
        const qint64 elapsed = clock.elapsed();
        // Playing the three-second tone would block for all of it; the rest is slack for a busy
        // machine.
        QVERIFY2(elapsed < 2000, qPrintable(QStringLiteral("blocked %1 ms").arg(elapsed)));
        QCOMPARE(ended.count(), 1);
        QVERIFY(!pipwell::soundPlaying());
    }
};

// The sound server is pointed at a socket that does not exist before anything connects;
// the exit skips libpulse's exit handlers, which occasionally assert in test programs.
int main(int argc, char **argv) {
    // Debian keeps /nonexistent from existing.
    qputenv("PULSE_SERVER", "unix:/nonexistent/pipwell-test/native");
    QCoreApplication app(argc, argv);
    int status = 0;
    {
        // Destroyed before the exit, which runs no destructors, to clean up its files.
        TestSoundNoServer test;
        status = QTest::qExec(&test, argc, argv);
    }
    exitSkippingHandlers(status);
}

#include "tst_sound_noserver.moc"

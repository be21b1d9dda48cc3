// Without a sound server there is nothing to play on: PlaySoundFile must return at once,
// and still report its end, so nothing waiting for the sound is held up.

#include "playsoundfile.h"
#include "soundfixtures.h"

#include <QCoreApplication>
#include <QSignalSpy>

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
        // Playing the three-second tone would block for all of it; the rest is slack for a busy
        // machine.
        QVERIFY2(elapsed < 2000, qPrintable(QStringLiteral("blocked %1 ms").arg(elapsed)));
        QCOMPARE(ended.count(), 1);
        QVERIFY(!pipwell::soundPlaying());
    }
};

PIPWELL_TEST_MAIN_LEAVING(QCoreApplication, TestSoundNoServer)

#include "tst_sound_noserver.moc"

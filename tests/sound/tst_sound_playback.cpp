// Real playback through the sound server: how long PlaySoundFile holds the caller, and
// what the server's null sink actually heard (recorded from its monitor).

#include "pcm.h"
#include "playsoundfile.h"
#include "soundfixtures.h"
#include "soundplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>

using namespace pipwell::testing;

namespace {

// Records the null sink's monitor into a WAV file for as long as it lives.
class Capture {
public:
    explicit Capture(QString path)
        : m_path(std::move(path)) {}
    ~Capture() { stop(); }

    bool start() {
        m_recorder.setProgram(QStringLiteral("parecord"));
        m_recorder.setArguments({QStringLiteral("--device=nullsink.monitor"),
                                 QStringLiteral("--file-format=wav"), m_path});
        m_recorder.start();
        if (!m_recorder.waitForStarted(5000))
            return false;
        // The monitor delivers silence all the time, so a growing file means recording.
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000 && m_recorder.state() == QProcess::Running) {
            if (QFileInfo(m_path).size() > 4096)
                return true;
            QTest::qWait(20);
        }
        return false;
    }

    // Lets the tail of what was played arrive before the recorder closes its file.
    void stop() {
        if (m_recorder.state() == QProcess::NotRunning)
            return;
        QTest::qWait(400);
        m_recorder.terminate();
        if (!m_recorder.waitForFinished(5000))
            m_recorder.kill();
        m_recorder.waitForFinished(5000);
    }

private:
    QString m_path;
    QProcess m_recorder;
};

// What the capture holds, in 5 ms windows whose RMS level is above a faint threshold.
struct Heard {
    int loudMs = 0; // total length of the loud windows
    int spanMs = 0; // from the start of the first loud window to the end of the last
};

constexpr int kWindowMs = 5;

Heard listenTo(const QString &path) {
    Heard heard;
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return heard;
    const int windowFrames = info.samplerate * kWindowMs / 1000;
    std::vector<double> window(size_t(windowFrames) * size_t(info.channels));
    int index = 0;
    int first = -1;
    int last = -1;
    while (sf_readf_double(file, window.data(), windowFrames) == windowFrames) {
        double loudest = 0;
        for (int c = 0; c < info.channels; ++c) {
            double sum = 0;
            for (int f = 0; f < windowFrames; ++f) {
                const double v = window[size_t(f) * size_t(info.channels) + size_t(c)];
                sum += v * v;
            }
            loudest = std::max(loudest, std::sqrt(sum / windowFrames));
        }
        if (loudest > 0.05) {
            heard.loudMs += kWindowMs;
            if (first < 0)
                first = index;
            last = index;
        }
        ++index;
    }
    sf_close(file);
    if (first >= 0)
        heard.spanMs = (last - first + 1) * kWindowMs;
    return heard;
}

QString describe(const Heard &heard, qint64 elapsedMs) {
    return QStringLiteral("blocked %1 ms; heard %2 ms loud within %3 ms")
        .arg(elapsedMs)
        .arg(heard.loudMs)
        .arg(heard.spanMs);
}

} // namespace

class TestSoundPlayback : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    int captures = 0;
    QString file(const QString &name) const { return dir.filePath(name); }
    QString nextCapturePath() { return file(QStringLiteral("capture-%1.wav").arg(++captures)); }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        if (!soundServerAnswers())
            QSKIP("No sound server answers");
        if (QStandardPaths::findExecutable(QStringLiteral("parecord")).isEmpty())
            QSKIP("parecord (pulseaudio-utils) is needed to hear what was played");
    }

    void playsWholeSoundBeforeReturning_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<bool>("throughPlayer");
        QTest::newRow("50 ms") << 0.05 << 44100 << 1 << false;
        QTest::newRow("half a second, stereo 48 kHz") << 0.5 << 48000 << 2 << false;
        QTest::newRow("two seconds, 22.05 kHz") << 2.0 << 22050 << 1 << false;
        QTest::newRow("through SystemSoundPlayer") << 0.3 << 44100 << 1 << true;
    }
    void playsWholeSoundBeforeReturning() {
        QFETCH(double, seconds);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(bool, throughPlayer);
        const QString sound = file(QStringLiteral("tone.wav"));
        QVERIFY(writeTone(sound, seconds, rate, channels));
        const QString capturePath = nextCapturePath();
        const int lengthMs = int(std::lround(seconds * 1000));

        Capture capture(capturePath);
        QVERIFY(capture.start());
        QElapsedTimer clock;
        clock.start();
        if (throughPlayer) {
            pipwell::SystemSoundPlayer player;
            static_cast<pipwell::SoundPlayer &>(player).play(sound);
        } else {
            PlaySoundFile(sound);
        }
        const qint64 elapsed = clock.elapsed();
        capture.stop();

        const Heard heard = listenTo(capturePath);
        const QString report = describe(heard, elapsed);
        qInfo().noquote() << report;
        QVERIFY2(elapsed >= lengthMs * 9 / 10, qPrintable(report));
        QVERIFY2(elapsed < lengthMs + 1500, qPrintable(report));
        // All of the tone, in one piece, and only once; a cut-off tail shows as missing
        // milliseconds at the end.
        QVERIFY2(heard.loudMs >= std::max(lengthMs * 9 / 10, lengthMs - 20), qPrintable(report));
        QVERIFY2(heard.spanMs <= lengthMs + 30, qPrintable(report));
    }

    void unplayableFilePlaysDefaultSound_data() {
        QTest::addColumn<QString>("path");
        QVERIFY(dir.isValid());

        QTest::newRow("missing") << file(QStringLiteral("absent.wav"));

        const QString empty = file(QStringLiteral("empty.wav"));
        QVERIFY(writeBytes(empty, {}));
        QTest::newRow("zero bytes") << empty;

        const QString garbage = file(QStringLiteral("noise.wav"));
        QVERIFY(writeBytes(garbage, noiseBytes(8192, 7)));
        QTest::newRow("random bytes") << garbage;

        const QString truncated = file(QStringLiteral("truncated.wav"));
        QVERIFY(writeBytes(truncated, wavHeader(1, 44100, 88200, 88236).left(24)));
        QTest::newRow("truncated header") << truncated;

        const QString folder = file(QStringLiteral("folder.wav"));
        QVERIFY(QDir().mkpath(folder));
        QTest::newRow("directory") << folder;

        const QString fifo = file(QStringLiteral("fifo.wav"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QTest::newRow("fifo") << fifo;
    }
    void unplayableFilePlaysDefaultSound() {
        QFETCH(QString, path);
        const QString capturePath = nextCapturePath();
        const qint64 beepMs = pipwell::sound::defaultSound().durationMs();

        Capture capture(capturePath);
        QVERIFY(capture.start());
        QElapsedTimer clock;
        clock.start();
        PlaySoundFile(path);
        const qint64 elapsed = clock.elapsed();
        capture.stop();

        const Heard heard = listenTo(capturePath);
        const QString report = describe(heard, elapsed);
        qInfo().noquote() << report;
        QVERIFY2(elapsed >= beepMs * 9 / 10, qPrintable(report));
        QVERIFY2(elapsed < 1500, qPrintable(report));
        QVERIFY2(heard.loudMs >= beepMs * 3 / 4, qPrintable(report));
        QVERIFY2(heard.spanMs <= beepMs + 30, qPrintable(report));
    }

    // Each sound has ended before the next starts, so two in a row never overlap.
    void consecutiveSoundsFollowEachOther() {
        const QString first = file(QStringLiteral("first.wav"));
        const QString second = file(QStringLiteral("second.wav"));
        QVERIFY(writeTone(first, 0.3));
        QVERIFY(writeTone(second, 0.3, 48000, 2, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0.5, 880.0));
        const QString capturePath = nextCapturePath();

        Capture capture(capturePath);
        QVERIFY(capture.start());
        QElapsedTimer clock;
        clock.start();
        PlaySoundFile(first);
        PlaySoundFile(second);
        const qint64 elapsed = clock.elapsed();
        capture.stop();

        const Heard heard = listenTo(capturePath);
        const QString report = describe(heard, elapsed);
        qInfo().noquote() << report;
        QVERIFY2(heard.loudMs >= 540, qPrintable(report));
        QVERIFY2(heard.spanMs >= 600 && heard.spanMs <= 600 + 100, qPrintable(report));
    }

    void nestedCallsEndOnce() {
        const QString outer = file(QStringLiteral("outer.wav"));
        const QString inner = file(QStringLiteral("inner.wav"));
        QVERIFY(writeTone(outer, 0.6));
        QVERIFY(writeTone(inner, 0.3, 44100, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0.5, 660.0));
        QSignalSpy ended(pipwell::SoundEvents::instance(), &pipwell::SoundEvents::allSoundsEnded);
        QObject context;
        bool playingAtEnd = true;
        connect(pipwell::SoundEvents::instance(), &pipwell::SoundEvents::allSoundsEnded, &context,
                [&] { playingAtEnd = pipwell::soundPlaying(); });

        bool innerRan = false;
        bool playingBeforeInner = false;
        int endedAfterInner = -1;
        bool playingAfterInner = false;
        qint64 innerMs = 0;
        // Timers keep running during a sound; this one nests a second sound in the first.
        QTimer::singleShot(100, &context, [&] {
            playingBeforeInner = pipwell::soundPlaying();
            QElapsedTimer clock;
            clock.start();
            PlaySoundFile(inner);
            innerMs = clock.elapsed();
            innerRan = true;
            endedAfterInner = int(ended.count());
            playingAfterInner = pipwell::soundPlaying();
        });

        QElapsedTimer clock;
        clock.start();
        PlaySoundFile(outer);
        const qint64 outerMs = clock.elapsed();

        QVERIFY(innerRan);
        QVERIFY(playingBeforeInner);
        QVERIFY2(innerMs >= 270, qPrintable(QString::number(innerMs)));
        QCOMPARE(endedAfterInner, 0);
        QVERIFY(playingAfterInner);
        QVERIFY2(outerMs >= 540, qPrintable(QString::number(outerMs)));
        QVERIFY2(outerMs < 600 + 1500, qPrintable(QString::number(outerMs)));
        QVERIFY(!pipwell::soundPlaying());
        QCOMPARE(ended.count(), 1);
        QVERIFY(!playingAtEnd);
    }
};

// libpulse occasionally asserts while the process exits; leave without running exit
// handlers once the results are out.
int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    int status = 0;
    {
        // Destroyed before the exit, which runs no destructors, to clean up its files.
        TestSoundPlayback test;
        status = QTest::qExec(&test, argc, argv);
    }
    exitSkippingHandlers(status);
}

#include "tst_sound_playback.moc"

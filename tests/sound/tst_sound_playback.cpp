// Real playback through the sound server: how long PlaySoundFile holds the caller, and
// what the server's null sink actually heard (recorded from its monitor).

#include "pcm.h"
#include "playsoundfile.h"
#include "sinkclock.h"
#include "soundfixtures.h"
#include "soundplayer.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTimer>

#include <optional>

using namespace pipwell::testing;
using pipwell::PlaySoundFile;

namespace {

// What the capture holds, in 5 ms windows whose RMS level is above a faint threshold.
struct Heard {
    int loudMs = 0;       // total length of the loud windows
    int spanMs = 0;       // from the start of the first loud window to the end of the last
    qint64 blockedMs = 0; // how long the sound held its caller
    QString report() const {
        return QStringLiteral("blocked %1 ms; heard %2 ms loud within %3 ms")
            .arg(blockedMs)
            .arg(loudMs)
            .arg(spanMs);
    }
};

constexpr int kWindowMs = 5;

Heard listenTo(const std::vector<qint16> &samples) {
    Heard heard;
    const size_t windowFrames = kRate * kWindowMs / 1000;
    int first = -1;
    int last = -1;
    for (size_t start = 0, index = 0; start + windowFrames <= samples.size();
         start += windowFrames, ++index) {
        double sum = 0;
        for (size_t f = start; f < start + windowFrames; ++f) {
            const double v = samples[f] / 32768.0;
            sum += v * v;
        }
        if (std::sqrt(sum / double(windowFrames)) > 0.05) {
            heard.loudMs += kWindowMs;
            if (first < 0)
                first = int(index);
            last = int(index);
        }
    }
    if (first >= 0)
        heard.spanMs = (last - first + 1) * kWindowMs;
    return heard;
}

// What the sink played while `play` ran; nothing when it could not be recorded.
std::optional<Heard> listenWhile(const std::function<void()> &play) {
    SinkCapture capture;
    if (!capture.start())
        return std::nullopt;
    const qint64 blockedMs = msTaken(play);
    settle(capture, nowMs() + 300); // the tail of what was played arrives first
    Heard heard = listenTo(capture.samples());
    const bool recordedWhole = capture.recordedWhole();
    capture.stop();
    if (!recordedWhole) {
        qWarning("the recording of the sink lost data: what it heard does not count");
        return std::nullopt;
    }
    heard.blockedMs = blockedMs;
    qInfo().noquote() << heard.report();
    return heard;
}

} // namespace

class TestSoundPlayback : public QObject, SoundFolder {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir.isValid());
        if (!soundServerAnswers())
            QSKIP("No sound server answers");
    }
    // Every sound here is heard to its end, never held until the cut-off.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("cut off"))); }

    void playsWholeSoundBeforeReturning_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<bool>("throughPlayer");
        QTest::addColumn<int>("stopMs"); // this program stopped that long halfway through
        QTest::newRow("50 ms") << 0.05 << 44100 << 1 << false << 0;
        QTest::newRow("half a second, stereo 48 kHz") << 0.5 << 48000 << 2 << false << 0;
        QTest::newRow("two seconds, 22.05 kHz") << 2.0 << 22050 << 1 << false << 0;
        QTest::newRow("through SystemSoundPlayer") << 0.3 << 44100 << 1 << true << 0;
        QTest::newRow("longer than the first write") << 1.5 << 192000 << 2 << false << 0;
        QTest::newRow("program stopped 300 ms") << 2.0 << 44100 << 1 << false << 300;
    }
    void playsWholeSoundBeforeReturning() {
        QFETCH(double, seconds);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(bool, throughPlayer);
        QFETCH(int, stopMs);
        const QString sound = file(QStringLiteral("tone.wav"));
        QVERIFY(writeTone(sound, seconds, rate, channels));
        const int lengthMs = int(std::lround(seconds * 1000));
        if (stopMs > 0) {
            QTimer::singleShot(lengthMs / 2, [stopMs] {
                QProcess::startDetached(
                    QStringLiteral("sh"),
                    {QStringLiteral("-c"), QStringLiteral("kill -STOP %1; sleep %2; kill -CONT %1")
                                               .arg(QCoreApplication::applicationPid())
                                               .arg(stopMs / 1000.0)});
            });
        }

        const auto play = [&] {
            if (throughPlayer) {
                pipwell::SystemSoundPlayer player;
                static_cast<pipwell::SoundPlayer &>(player).play(sound);
            } else {
                PlaySoundFile(sound);
            }
        };
        const int wholeMs = std::max(lengthMs * 9 / 10, lengthMs - 20);
        std::optional<Heard> heard = listenWhile(play);
        // Every sound here is on the server whole before it starts, so silence inside it is
        // the server's: PipeWire without realtime priority, on a loaded machine, now and then
        // misses a cycle of its graph (measured: 1 run of tst_sound_playback in 10 beside a
        // parallel build, 40 ms missing). Said, and listened to once more; twice is a fault.
        if (heard && heard->loudMs < wholeMs && heard->spanMs >= wholeMs &&
            qEnvironmentVariable("PIPWELL_SOUND_SERVER") == QLatin1String("pipewire")) {
            qWarning().noquote() << "PipeWire played silence inside a sound it held whole, as a"
                                    " server without realtime priority does when it misses a"
                                    " cycle; listening again:"
                                 << heard->report();
            heard = listenWhile(play);
        }
        QVERIFY(heard);
        const QString report = heard->report();
        QVERIFY2(heard->blockedMs >= lengthMs * 9 / 10, qPrintable(report));
        QVERIFY2(heard->blockedMs < lengthMs + stopMs + kBusyMachineMarginMs, qPrintable(report));
        // All of the tone, in one piece, and only once; a cut-off tail shows as missing
        // milliseconds at the end.
        QVERIFY2(heard->loudMs >= wholeMs, qPrintable(report));
        QVERIFY2(heard->spanMs <= lengthMs + 30, qPrintable(report));
    }

    void unplayableFilePlaysDefaultSound_data() {
        QTest::addColumn<QString>("path");
        QVERIFY(dir.isValid());

        QTest::newRow("missing") << file(QStringLiteral("absent.wav"));
        QVERIFY(row("zero bytes", QStringLiteral("empty.wav"), QByteArray()));
        QVERIFY(row("random bytes", QStringLiteral("noise.wav"), noiseBytes(8192, 7)));
        QVERIFY(row("truncated header", QStringLiteral("truncated.wav"),
                    wavHeader(1, 44100, 88200, 88236).left(24)));
        QVERIFY(row("directory", QStringLiteral("folder.wav"), Odd::Directory));
        QVERIFY(row("fifo", QStringLiteral("fifo.wav"), Odd::Fifo));
    }
    void unplayableFilePlaysDefaultSound() {
        QFETCH(QString, path);
        const qint64 beepMs = pipwell::sound::defaultSound().durationMs();
        const std::optional<Heard> heard = listenWhile([&] { PlaySoundFile(path); });
        QVERIFY(heard);
        const QString report = heard->report();
        QVERIFY2(heard->blockedMs >= beepMs * 9 / 10, qPrintable(report));
        QVERIFY2(heard->blockedMs < kBusyMachineMarginMs, qPrintable(report));
        QVERIFY2(heard->loudMs >= beepMs * 3 / 4, qPrintable(report));
        QVERIFY2(heard->spanMs <= beepMs + 30, qPrintable(report));
    }

    // Each sound has ended before the next starts, so two in a row never overlap.
    void consecutiveSoundsFollowEachOther() {
        const QString first = file(QStringLiteral("first.wav"));
        const QString second = file(QStringLiteral("second.wav"));
        QVERIFY(writeTone(first, 0.3));
        QVERIFY(writeTone(second, 0.3, 48000, 2, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0.5, 880.0));

        const std::optional<Heard> heard = listenWhile([&] {
            PlaySoundFile(first);
            PlaySoundFile(second);
        });
        QVERIFY(heard);
        const QString report = heard->report();
        QVERIFY2(heard->loudMs >= 540, qPrintable(report));
        // The gap is the second stream's start: about 100 ms on PipeWire with a busy machine.
        QVERIFY2(heard->spanMs >= 600, qPrintable(report));
        QVERIFY2(heard->spanMs <= 600 + 250, qPrintable(report));
    }

    // By the sink's own clock: a call that returns while its last samples are still to be
    // played would let the next step of the game happen before the sound was heard. Later
    // is harmless here (a busy machine is later, never earlier); the other tests bound it.
    void returnsOnceTheSinkHasPlayedIt() {
        const QString sound = file(QStringLiteral("square.wav"));
        QVERIFY(writeSquareWave(sound, 200));
        SinkCapture capture;
        QVERIFY(capture.start());
        std::vector<std::pair<double, double>> calls; // call, return
        for (int i = 0; i < 4; ++i) {
            waitMs(150);
            const double called = nowMs();
            PlaySoundFile(sound);
            calls.emplace_back(called, nowMs());
        }
        const Timeline timeline = settle(capture, calls.back().second + 300);
        const std::vector<Burst> heard = bursts(capture.samples());
        // A sound heard as two is a break in the game's stream only if the recording kept
        // every sample the sink played.
        QVERIFY2(capture.recordedWhole(), "the recording of the sink lost data");
        capture.stop();
        QStringList runs;
        for (const Burst &b : heard) {
            runs << QStringLiteral("%1-%2 ms")
                        .arg(b.first * 1000 / kRate)
                        .arg(b.last * 1000 / kRate);
        }
        QVERIFY2(heard.size() == calls.size(), qPrintable(runs.join(QLatin1String(", "))));
        for (size_t i = 0; i < calls.size(); ++i) {
            const auto [called, returned] = calls[i];
            const double offset = timeline.offsetNear(called - 1000, returned + 1000);
            const double lastPlayed = offset + double(heard[i].last + 1) * 1e3 / kRate;
            const QString report = QStringLiteral("call %1 returned %2 ms after its last sample")
                                       .arg(i + 1)
                                       .arg(returned - lastPlayed, 0, 'f', 1);
            qInfo().noquote() << report;
            // The old player returned 21 to 45 ms early, a rule that ignored the sink's tail 4
            // ms; the reports jitter a millisecond.
            QVERIFY2(returned - lastPlayed > -2.5, qPrintable(report));
        }
    }

    // What the desktop's volume mixer shows while a sound plays.
    void namedInTheMixer() {
        const QString sound = file(QStringLiteral("named.wav"));
        QVERIFY(writeTone(sound, 0.5));
        QString inputs;
        QString sinks;
        QTimer::singleShot(200, [&] {
            const auto list = [](const QString &what) {
                QProcess pactl;
                pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), what});
                return pactl.waitForFinished(5000)
                           ? QString::fromUtf8(pactl.readAllStandardOutput())
                           : QString();
            };
            inputs = list(QStringLiteral("sink-inputs"));
            sinks = list(QStringLiteral("sinks"));
        });
        PlaySoundFile(sound);
        for (const char *property :
             {"application.name = \"Pipwell\"", "application.id = \"org.example.Pipwell\"",
              "application.icon_name = \"org.example.Pipwell\"", "media.role = \"game\"",
              "media.name = \"named.wav\""})
            QVERIFY2(inputs.contains(QLatin1String(property)), property);
        // PipeWire runs the whole graph at the shortest latency a stream asks for; a game's
        // sounds must not make it cycle faster than its default 1024 frames at 48 kHz.
        if (qEnvironmentVariable("PIPWELL_SOUND_SERVER") == QLatin1String("pipewire")) {
            const QRegularExpressionMatch latency =
                QRegularExpression(QStringLiteral(R"re(node\.latency = "(\d+)/(\d+)")re"))
                    .match(inputs);
            QVERIFY2(latency.hasMatch(), qPrintable(inputs));
            QVERIFY2(latency.captured(1).toDouble() / latency.captured(2).toDouble() >=
                         1024.0 / 48000,
                     qPrintable(latency.captured(0)));
        } else {
            // PulseAudio sets the sink's latency from the stream's buffer, and a sound's end
            // waits through it: the game's 20 ms makes it about 5 ms, 90 ms would make it 25.
            const QRegularExpressionMatch configured =
                QRegularExpression(QStringLiteral(R"re(configured (\d+) usec)re")).match(sinks);
            QVERIFY2(configured.hasMatch(), qPrintable(sinks));
            QVERIFY2(configured.captured(1).toInt() <= 12000, qPrintable(configured.captured(0)));
        }
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
            innerMs = msTaken([&] { PlaySoundFile(inner); });
            innerRan = true;
            endedAfterInner = int(ended.count());
            playingAfterInner = pipwell::soundPlaying();
        });

        const qint64 outerMs = msTaken([&] { PlaySoundFile(outer); });

        QVERIFY(innerRan);
        QVERIFY(playingBeforeInner);
        QVERIFY2(innerMs >= 270, qPrintable(QString::number(innerMs)));
        QCOMPARE(endedAfterInner, 0);
        QVERIFY(playingAfterInner);
        QVERIFY2(outerMs >= 540, qPrintable(QString::number(outerMs)));
        QVERIFY2(outerMs < 600 + kBusyMachineMarginMs, qPrintable(QString::number(outerMs)));
        QVERIFY(!pipwell::soundPlaying());
        QCOMPARE(ended.count(), 1);
        QVERIFY(!playingAtEnd);
    }
};

PIPWELL_TEST_MAIN_LEAVING(QCoreApplication, TestSoundPlayback)

#include "tst_sound_playback.moc"

// Decoding sound files into what the audio sink is fed, without any audio device.

#include "pcm.h"
#include "soundfixtures.h"

#include <fcntl.h>
#include <unistd.h>

using namespace pipwell::sound;
using namespace pipwell::testing;

namespace {

const qint16 *samplesOf(const Pcm &pcm) {
    return reinterpret_cast<const qint16 *>(pcm.samples.constData());
}

int peakOf(const Pcm &pcm) {
    int peak = 0;
    for (qint64 i = 0; i < pcm.samples.size() / 2; ++i)
        peak = std::max(peak, std::abs(int(samplesOf(pcm)[i])));
    return peak;
}

// Upward crossings per second of one channel; the margin keeps coding noise around zero
// from counting as extra crossings.
double pitchOf(const Pcm &pcm, int channel) {
    constexpr int margin = 2000;
    int crossings = 0;
    bool below = false;
    for (qint64 f = 0; f < pcm.frames(); ++f) {
        const qint16 v = samplesOf(pcm)[f * pcm.channels + channel];
        if (v < -margin) {
            below = true;
        } else if (v > margin && below) {
            below = false;
            ++crossings;
        }
    }
    return crossings * double(pcm.sampleRate) / double(pcm.frames());
}

} // namespace

class TestSoundDecode : public QObject, SoundFolder {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void cleanupTestCase() {
        if (fifoWriter >= 0)
            ::close(fifoWriter);
    }

    void decodesFormatsToSixteenBit_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::newRow("wav 16-bit mono") << (SF_FORMAT_WAV | SF_FORMAT_PCM_16) << 44100 << 1;
        QTest::newRow("wav unsigned 8-bit") << (SF_FORMAT_WAV | SF_FORMAT_PCM_U8) << 22050 << 1;
        QTest::newRow("wav 24-bit stereo") << (SF_FORMAT_WAV | SF_FORMAT_PCM_24) << 48000 << 2;
        QTest::newRow("wav float stereo") << (SF_FORMAT_WAV | SF_FORMAT_FLOAT) << 96000 << 2;
        QTest::newRow("wav ima adpcm") << (SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM) << 8000 << 1;
        QTest::newRow("flac") << (SF_FORMAT_FLAC | SF_FORMAT_PCM_16) << 44100 << 2;
        QTest::newRow("lowest rate") << (SF_FORMAT_WAV | SF_FORMAT_PCM_16) << kMinSampleRate << 1;
        QTest::newRow("highest rate") << (SF_FORMAT_WAV | SF_FORMAT_PCM_16) << kMaxSampleRate << 2;
    }
    void decodesFormatsToSixteenBit() {
        QFETCH(int, format);
        QFETCH(int, rate);
        QFETCH(int, channels);
        const QString path =
            file(QStringLiteral("tone-%1.snd").arg(QString::fromUtf8(QTest::currentDataTag())));
        QVERIFY(writeTone(path, 0.25, rate, channels, format, 0.5, 440.0));

        const std::optional<Pcm> pcm = decodeSoundFile(path);
        QVERIFY(pcm);
        QCOMPARE(pcm->sampleRate, rate);
        QCOMPARE(pcm->channels, channels);
        // Block codecs may pad the last block.
        QVERIFY2(std::abs(pcm->frames() - qint64(0.25 * rate)) <= 1024,
                 qPrintable(QString::number(pcm->frames())));
        // Half of full scale, whatever the stored sample format.
        QVERIFY2(std::abs(peakOf(*pcm) - 16384) < 16384 / 20,
                 qPrintable(QString::number(peakOf(*pcm))));
        QVERIFY(std::abs(pitchOf(*pcm, channels - 1) - 440.0) < 10.0);
    }

    void keepsWholeLongFile() {
        const QString path = file(QStringLiteral("minute.wav"));
        QVERIFY(writeTone(path, 60.0, 44100, 2));
        const std::optional<Pcm> pcm = decodeSoundFile(path);
        QVERIFY(pcm);
        QCOMPARE(pcm->frames(), qint64(60) * 44100);
        QCOMPARE(pcm->durationMs(), qint64(60000));
    }

    void foldsSurroundIntoStereo() {
        // Six channels with a distinct level each: 0.1, 0.2, ... 0.6.
        std::vector<double> samples;
        for (int f = 0; f < 1000; ++f)
            for (int c = 0; c < 6; ++c)
                samples.push_back(0.1 * (c + 1));
        const QString path = file(QStringLiteral("surround.wav"));
        QVERIFY(writeFrames(path, 48000, 6, SF_FORMAT_WAV | SF_FORMAT_PCM_16, samples));

        const std::optional<Pcm> pcm = decodeSoundFile(path);
        QVERIFY(pcm);
        QCOMPARE(pcm->channels, 2);
        QCOMPARE(pcm->frames(), qint64(1000));
        const double left = samplesOf(*pcm)[2 * 500] / 32768.0;
        const double right = samplesOf(*pcm)[2 * 500 + 1] / 32768.0;
        QVERIFY2(std::abs(left - 0.3) < 0.01, qPrintable(QString::number(left)));   // 0.1 0.3 0.5
        QVERIFY2(std::abs(right - 0.4) < 0.01, qPrintable(QString::number(right))); // 0.2 0.4 0.6
    }

    void clipsFloatBeyondFullScale() {
        const QString path = file(QStringLiteral("loud.wav"));
        QVERIFY(writeFrames(path, 44100, 1, SF_FORMAT_WAV | SF_FORMAT_FLOAT,
                            std::vector<double>{1.5, -1.5, 0.0}));
        const std::optional<Pcm> pcm = decodeSoundFile(path);
        QVERIFY(pcm);
        QCOMPARE(pcm->frames(), qint64(3));
        QVERIFY(samplesOf(*pcm)[0] > 32000);
        QVERIFY(samplesOf(*pcm)[1] < -32000);
    }

    // A header may claim far more data than the file holds.
    void readsOnlyTheDataThatExists() {
        QByteArray bytes = wavHeader(1, 44100, 0xFFFFFFF0u, 0xFFFFFFF8u);
        for (int i = 0; i < 1000; ++i)
            bytes.append("\x00\x10", 2);
        const QString path = file(QStringLiteral("liar.wav"));
        QVERIFY(writeBytes(path, bytes));

        const std::optional<Pcm> pcm = decodeSoundFile(path);
        QVERIFY(pcm);
        QCOMPARE(pcm->frames(), qint64(1000));
        QCOMPARE(samplesOf(*pcm)[999], qint16(0x1000));
    }

    void cutsOverlongSounds_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<qint64>("expectedFrames");
        QTest::newRow("ten minutes")
            << (SF_FORMAT_WAV | SF_FORMAT_PCM_16) << 8000 << 1 << 605.0 << kMaxSeconds * 8000;
        // 8-bit on disk, twice the size once decoded.
        QTest::newRow("memory budget") << (SF_FORMAT_WAV | SF_FORMAT_PCM_U8) << kMaxSampleRate << 2
                                       << 90.0 << kMaxDecodedBytes / 4;
    }
    void cutsOverlongSounds() {
        QFETCH(int, format);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(double, seconds);
        QFETCH(qint64, expectedFrames);
        const QString path = file(QStringLiteral("long.wav"));
        QVERIFY(writeTone(path, seconds, rate, channels, format));
        const std::optional<Pcm> pcm = decodeSoundFile(path);
        QFile::remove(path);
        QVERIFY(pcm);
        QCOMPARE(pcm->frames(), expectedFrames);
    }

    void rejectsWhatCannotBePlayed_data() {
        QTest::addColumn<QString>("path");
        QVERIFY(dir.isValid());

        QTest::newRow("missing") << file(QStringLiteral("nothing-here.wav"));
        QTest::newRow("empty path") << QString();
        QVERIFY(row("zero bytes", QStringLiteral("empty.wav"), QByteArray()));
        QVERIFY(row("random bytes", QStringLiteral("noise.wav"), noiseBytes(4096, 20240613)));
        const QByteArray cut = cutTone(20);
        QCOMPARE(cut.size(), 20);
        QVERIFY(row("truncated header", QStringLiteral("truncated.wav"), cut));
        QVERIFY(row("no frames", QStringLiteral("header-only.wav"), wavHeader(1, 44100, 0, 36)));
        QVERIFY(row("zero channels", QStringLiteral("no-channels.wav"),
                    wavHeader(0, 44100, 4, 40) + QByteArray(4, '\1')));

        const QString slow = file(QStringLiteral("slow.wav"));
        QVERIFY(writeTone(slow, 0.5, kMinSampleRate / 2));
        QTest::newRow("rate too low") << slow;

        const QString fast = file(QStringLiteral("fast.wav"));
        QVERIFY(writeTone(fast, 0.1, 384000));
        QTest::newRow("rate too high") << fast;

        QVERIFY(row("directory", QStringLiteral("folder.wav"), Odd::Directory));
        QVERIFY(row("fifo without writer", QStringLiteral("fifo.wav"), Odd::Fifo));
        // A writer that left a whole sound in the FIFO does not make it a file to play.
        const QString filled = file(QStringLiteral("filled-fifo.wav"));
        QVERIFY(makeOdd(filled, Odd::Fifo));
        fifoWriter = ::open(QFile::encodeName(filled).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        const QByteArray tone = cutTone(1 << 20);
        QVERIFY(fifoWriter >= 0 && tone.size() > 1000);
        QCOMPARE(::write(fifoWriter, tone.constData(), size_t(tone.size())), ssize_t(tone.size()));
        QTest::newRow("fifo holding a sound") << filled;
        QTest::newRow("character device") << QStringLiteral("/dev/zero");
        QVERIFY(row("symlink loop", QStringLiteral("loop-a.wav"), Odd::SymlinkLoop));
    }
    void rejectsWhatCannotBePlayed() {
        QFETCH(QString, path);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!decodeSoundFile(path));
        // A blocking open (the FIFO) would never return; the bound is generous for a busy machine.
        QVERIFY2(clock.elapsed() < 5000, "deciding that a file is unplayable took too long");
    }

private:
    int fifoWriter = -1;
};

QTEST_GUILESS_MAIN(TestSoundDecode)
#include "tst_sound_decode.moc"

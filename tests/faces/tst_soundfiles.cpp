// Checks that the six committed sound effects are plain 16-bit mono PCM WAV files that
// any player accepts, short enough not to hold up the game, loud but not clipped, and
// free of clicks at their ends.

#include "testprogram.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

struct Wav {
    QString error;
    int format = 0;
    int channels = 0;
    quint32 rate = 0;
    quint32 byteRate = 0;
    int blockAlign = 0;
    int bits = 0;
    QList<qint16> samples;
};

// Walks the RIFF chunks; unknown chunks are skipped as any reader would.
Wav parseWav(const QByteArray &bytes) {
    Wav wav;
    const auto u16 = [&](qsizetype at) {
        return qFromLittleEndian<quint16>(bytes.constData() + at);
    };
    const auto u32 = [&](qsizetype at) {
        return qFromLittleEndian<quint32>(bytes.constData() + at);
    };
    if (bytes.size() < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE") {
        wav.error = QStringLiteral("not a RIFF/WAVE file");
        return wav;
    }
    if (u32(4) != quint32(bytes.size() - 8)) {
        wav.error = QStringLiteral("RIFF size does not match the file");
        return wav;
    }
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > bytes.size()) {
            wav.error = QStringLiteral("chunk '%1' runs past the end").arg(QString::fromLatin1(id));
            return wav;
        }
        if (id == "fmt ") {
            if (size < 16) {
                wav.error = QStringLiteral("format chunk too short");
                return wav;
            }
            wav.format = u16(body);
            wav.channels = u16(body + 2);
            wav.rate = u32(body + 4);
            wav.byteRate = u32(body + 8);
            wav.blockAlign = u16(body + 12);
            wav.bits = u16(body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                wav.error = QStringLiteral("data before format");
                return wav;
            }
            for (quint32 i = 0; i + 1 < size; i += 2)
                wav.samples.append(qint16(u16(body + i)));
            haveData = true;
        }
        at = body + size + (size & 1); // chunks are word aligned
    }
    if (!haveData)
        wav.error = QStringLiteral("no data chunk");
    return wav;
}

} // namespace

class TestSoundFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wellFormedAndShort_data();
    void wellFormedAndShort();
};

void TestSoundFiles::wellFormedAndShort_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("maxSeconds");
    QTest::newRow("intro") << "intro.wav" << 1.0;
    QTest::newRow("new") << "new.wav" << 0.4;
    QTest::newRow("roll") << "roll.wav" << 0.4;
    QTest::newRow("click") << "click.wav" << 0.4;
    QTest::newRow("tada") << "tada.wav" << 1.2;
    QTest::newRow("applause") << "applause.wav" << 2.5;
}

void TestSoundFiles::wellFormedAndShort() {
    QFETCH(QString, file);
    QFETCH(double, maxSeconds);

    QFile f(pipwell::testing::sourceDir() + QStringLiteral("/assets/sounds/") + file);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.errorString()));
    const Wav wav = parseWav(f.readAll());
    QVERIFY2(wav.error.isEmpty(), qPrintable(wav.error));

    QCOMPARE(wav.format, 1); // integer PCM
    QCOMPARE(wav.channels, 1);
    QCOMPARE(wav.rate, quint32(44100));
    QCOMPARE(wav.bits, 16);
    QCOMPARE(wav.blockAlign, 2);
    QCOMPARE(wav.byteRate, quint32(88200));

    QVERIFY(!wav.samples.isEmpty());
    const double seconds = double(wav.samples.size()) / wav.rate;
    QVERIFY2(seconds < maxSeconds,
             qPrintable(QStringLiteral("%1 s, limit %2 s").arg(seconds).arg(maxSeconds)));

    // Loud enough to hear next to the others, with headroom left: peak about -3 dBFS.
    int peak = 0;
    for (qint16 s : wav.samples)
        peak = std::max(peak, std::abs(int(s)));
    const double peakDb = 20 * std::log10(peak / 32768.0);
    QVERIFY2(peakDb > -4.5 && peakDb < -1.5,
             qPrintable(QStringLiteral("peak %1 dBFS").arg(peakDb)));

    // Faded in and out, so starting and stopping does not click.
    const int quiet = 32768 / 100;
    QVERIFY2(std::abs(int(wav.samples.first())) < quiet, "starts with a jump");
    QVERIFY2(std::abs(int(wav.samples.last())) < quiet, "ends with a jump");
}

QTEST_GUILESS_MAIN(TestSoundFiles)
#include "tst_soundfiles.moc"

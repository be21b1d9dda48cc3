#pragma once

// Sound files written on the fly for the tests, and a way to look at what was heard.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QString>
#include <QtGlobal>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace pipwell::testing {

// Whether a sound server answers where this process would connect, asked from outside.
inline bool soundServerAnswers() {
    QProcess pactl;
    pactl.setStandardOutputFile(QProcess::nullDevice());
    pactl.setStandardErrorFile(QProcess::nullDevice());
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    return pactl.waitForFinished(5000) && pactl.exitStatus() == QProcess::NormalExit &&
           pactl.exitCode() == 0;
}

inline SNDFILE *createSoundFile(const QString &path, int rate, int channels, int format) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    return sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
}

inline bool writeFrames(const QString &path, int rate, int channels, int format,
                        const std::vector<double> &interleaved) {
    SNDFILE *file = createSoundFile(path, rate, channels, format);
    if (!file)
        return false;
    const sf_count_t frames = sf_count_t(interleaved.size()) / channels;
    const bool complete = sf_writef_double(file, interleaved.data(), frames) == frames;
    return sf_close(file) == 0 && complete;
}

// A sine tone, the same on every channel; written in pieces so that long tones need
// little memory.
inline bool writeTone(const QString &path, double seconds, int rate = 44100, int channels = 1,
                      int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16, double amplitude = 0.5,
                      double pitch = 440.0) {
    SNDFILE *file = createSoundFile(path, rate, channels, format);
    if (!file)
        return false;
    const auto frames = sf_count_t(std::llround(seconds * rate));
    constexpr sf_count_t piece = 65536;
    std::vector<double> samples(size_t(piece) * size_t(channels));
    bool complete = true;
    for (sf_count_t start = 0; start < frames && complete; start += piece) {
        const sf_count_t count = std::min(piece, frames - start);
        for (sf_count_t i = 0; i < count; ++i) {
            const double t = double(start + i) / rate;
            const double v = amplitude * std::sin(2 * std::numbers::pi * pitch * t);
            for (int c = 0; c < channels; ++c)
                samples[size_t(i) * size_t(channels) + size_t(c)] = v;
        }
        complete = sf_writef_double(file, samples.data(), count) == count;
    }
    return sf_close(file) == 0 && complete;
}

// Bytes that are no sound file, the same for the same seed.
inline QByteArray noiseBytes(qsizetype size, quint32 seed) {
    QByteArray noise(size, Qt::Uninitialized);
    QRandomGenerator random(seed);
    for (char &c : noise)
        c = char(random.bounded(256));
    return noise;
}

inline bool writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A 16-bit PCM WAV header with the given fields, for headers libsndfile would never write.
inline QByteArray wavHeader(int channels, int rate, quint32 dataBytes, quint32 riffBytes) {
    QByteArray h;
    auto u32 = [&h](quint32 v) {
        for (int i = 0; i < 4; ++i)
            h.append(char((v >> (8 * i)) & 0xff));
    };
    auto u16 = [&h](quint16 v) {
        h.append(char(v & 0xff));
        h.append(char(v >> 8));
    };
    h.append("RIFF");
    u32(riffBytes);
    h.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(quint16(channels));
    u32(quint32(rate));
    u32(quint32(rate * channels * 2));
    u16(quint16(channels * 2));
    u16(16);
    h.append("data");
    u32(dataBytes);
    return h;
}

// libpulse occasionally asserts while a test program exits: once the results are out, the
// program leaves without running exit handlers.
[[noreturn]] inline void exitSkippingHandlers(int status) {
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

} // namespace pipwell::testing

#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

// Decoded sound in the one shape the sound server is fed: interleaved signed 16-bit
// samples in native byte order, mono or stereo.
namespace pipwell::sound {

struct Pcm {
    int sampleRate = 0;
    int channels = 0;
    QByteArray samples;

    qint64 frames() const;
    // Rounded up, so that waiting this long never cuts off the last samples.
    qint64 durationMs() const;
};

// Rates outside this range are treated as a broken header rather than played.
inline constexpr int kMinSampleRate = 8000;
inline constexpr int kMaxSampleRate = 192000;

// Longer sounds are cut at whichever of these limits comes first, so that a huge or
// lying file cannot exhaust memory or hold the program for long.
inline constexpr qint64 kMaxSeconds = 600;
inline constexpr qint64 kMaxDecodedBytes = qint64{64} * 1024 * 1024;

// Any format libsndfile reads. Empty when the path is not a readable regular file, is
// not a sound, has an unusable rate or channel count, or holds no frames. Never blocks on
// FIFOs or devices.
std::optional<Pcm> decodeSoundFile(const QString &path);

// Stands in for the desktop's default sound when a file cannot be played: a short, soft
// two-tone beep.
const Pcm &defaultSound();

} // namespace pipwell::sound

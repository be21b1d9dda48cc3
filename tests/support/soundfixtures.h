#pragma once

// Sound files written on the fly for the tests, a way to look at what was heard, how long a
// sound may hold its caller, and a sound server that never answers.

#include "cutoff.h"
#include "testprogram.h"
#include "wavbytes.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sndfile.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace pipwell::testing {

// Asks the sound server where this process would connect, from outside; true when it did.
inline bool pactl(const QStringList &args) {
    QProcess pactl;
    pactl.setStandardOutputFile(QProcess::nullDevice());
    pactl.setStandardErrorFile(QProcess::nullDevice());
    pactl.start(QStringLiteral("pactl"), args);
    return pactl.waitForFinished(5000) && pactl.exitStatus() == QProcess::NormalExit &&
           pactl.exitCode() == 0;
}

inline bool soundServerAnswers() {
    return pactl({QStringLiteral("info")});
}

// What a busy two-core machine may add to any bound on how long sounds take.
constexpr qint64 kBusyMachineMarginMs = 1500;

// The longest that sounds of this length, one after the other, may hold their caller: each
// is cut off at its length plus the program's slack, and the machine may be busy.
inline qint64 longestMs(int sounds, qint64 lengthMs) {
    return sounds * (lengthMs + sound::kCutOffSlackMs) + kBusyMachineMarginMs;
}

// A sound server that takes connections and never answers: a socket that nobody reads.
// Gone with it, the connections it kept waiting fail.
class HungServer {
public:
    explicit HungServer(const QString &path)
        : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        listening_ = fd_ >= 0 && size_t(name.size()) < sizeof address.sun_path;
        if (listening_) {
            std::copy(name.begin(), name.end(), address.sun_path);
            listening_ = ::bind(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
                         ::listen(fd_, 16) == 0;
        }
    }
    ~HungServer() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    HungServer(const HungServer &) = delete;
    HungServer &operator=(const HungServer &) = delete;
    bool listening() const { return listening_; }

private:
    int fd_;
    bool listening_ = false;
};

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

// The first bytes of a real sound file: a header cut short.
inline QByteArray cutTone(int bytes) {
    QTemporaryDir scratch;
    const QString whole = scratch.filePath(QStringLiteral("whole.wav"));
    QFile source(whole);
    if (!writeTone(whole, 0.1) || !source.open(QIODevice::ReadOnly))
        return {};
    return source.read(bytes);
}

// Things in a sound's place that are no file to read from.
enum class Odd { Directory, Fifo, SymlinkLoop };

inline bool makeOdd(const QString &path, Odd kind) {
    const QString other = path + QStringLiteral(".loop");
    switch (kind) {
    case Odd::Directory:
        return QDir().mkpath(path);
    case Odd::Fifo:
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    case Odd::SymlinkLoop:
        return QFile::link(other, path) && QFile::link(path, other);
    }
    return false;
}

// A test's own folder for the sound files it writes; the base of the sound tests' classes.
struct SoundFolder {
    QTemporaryDir dir;
    QString file(const QString &name) const { return dir.filePath(name); }

    // A data row with the path of a file of these bytes, or of that odd kind; false when it
    // could not be made.
    bool row(const char *tag, const QString &name, const QByteArray &bytes) const {
        QTest::newRow(tag) << file(name);
        return writeBytes(file(name), bytes);
    }
    bool row(const char *tag, const QString &name, Odd kind) const {
        QTest::newRow(tag) << file(name);
        return makeOdd(file(name), kind);
    }
};

} // namespace pipwell::testing

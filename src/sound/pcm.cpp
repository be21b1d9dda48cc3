#include "pcm.h"

#include "soundlog.h"

#include <QFile>

#include <sndfile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <vector>

namespace pipwell::sound {

qint64 Pcm::frames() const {
    if (channels <= 0)
        return 0;
    return samples.size() / qint64(sizeof(qint16)) / channels;
}

qint64 Pcm::durationMs() const {
    if (sampleRate <= 0)
        return 0;
    return (frames() * 1000 + sampleRate - 1) / sampleRate;
}

namespace {

class FdGuard {
public:
    explicit FdGuard(int fd)
        : fd_(fd) {}
    ~FdGuard() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FdGuard(const FdGuard &) = delete;
    FdGuard &operator=(const FdGuard &) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

class SndfileGuard {
public:
    explicit SndfileGuard(SNDFILE *file)
        : file_(file) {}
    ~SndfileGuard() {
        if (file_)
            sf_close(file_);
    }
    SndfileGuard(const SndfileGuard &) = delete;
    SndfileGuard &operator=(const SndfileGuard &) = delete;
    SNDFILE *get() const { return file_; }

private:
    SNDFILE *file_;
};

// libsndfile reads through these, over a descriptor that stays the game's: given the descriptor
// itself (sf_open_fd), some versions close it when the file is not a sound, and closing it
// again here would close whatever another thread had opened under that number meanwhile.
struct FdReader {
    int fd;
    sf_count_t size;
    sf_count_t position = 0;
};

sf_count_t readerLength(void *data) {
    return static_cast<FdReader *>(data)->size;
}

sf_count_t readerSeek(sf_count_t offset, int whence, void *data) {
    auto *reader = static_cast<FdReader *>(data);
    sf_count_t to = offset;
    if (whence == SEEK_CUR)
        to += reader->position;
    else if (whence == SEEK_END)
        to += reader->size;
    else if (whence != SEEK_SET)
        return -1;
    if (to < 0)
        return -1;
    reader->position = to;
    return to;
}

sf_count_t readerRead(void *buffer, sf_count_t count, void *data) {
    auto *reader = static_cast<FdReader *>(data);
    sf_count_t done = 0;
    while (done < count) {
        const ssize_t got = ::pread(reader->fd, static_cast<char *>(buffer) + done,
                                    size_t(count - done), off_t(reader->position));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += got;
        reader->position += got;
    }
    return done;
}

sf_count_t readerWrite(const void *, sf_count_t, void *) {
    return 0;
}

sf_count_t readerTell(void *data) {
    return static_cast<FdReader *>(data)->position;
}

qint16 toInt16(float v) {
    // Float data may go beyond full scale; clamping keeps it from wrapping into clicks.
    return qint16(std::clamp(std::lround(v * 32768.0f), -32768L, 32767L));
}

// More than two channels fold into stereo: even-numbered channels (left, centre, rear
// left in the usual layouts) go left, odd-numbered ones right.
void appendFrames(QByteArray &out, const float *in, sf_count_t frames, int inChannels) {
    const int outChannels = std::min(inChannels, 2);
    const qsizetype oldSize = out.size();
    out.resize(oldSize + qsizetype(frames) * outChannels * qsizetype(sizeof(qint16)));
    auto *dst = reinterpret_cast<qint16 *>(out.data() + oldSize);
    if (inChannels <= 2) {
        for (sf_count_t i = 0; i < frames * inChannels; ++i)
            *dst++ = toInt16(in[i]);
        return;
    }
    // Even channels mix to the left, odd ones to the right.
    const int leftChannels = (inChannels + 1) / 2;
    const int rightChannels = inChannels / 2;
    const auto leftCount = static_cast<float>(leftChannels);
    const auto rightCount = static_cast<float>(rightChannels);
    for (sf_count_t f = 0; f < frames; ++f) {
        const float *frame = in + f * inChannels;
        float left = 0;
        float right = 0;
        for (int c = 0; c < inChannels; ++c)
            (c % 2 == 0 ? left : right) += frame[c];
        *dst++ = toInt16(left / leftCount);
        *dst++ = toInt16(right / rightCount);
    }
}

} // namespace

std::optional<Pcm> decodeSoundFile(const QString &path) {
    // O_NONBLOCK: opening a FIFO without a writer must not hang the game.
    const QByteArray localPath = QFile::encodeName(path);
    FdGuard fd(::open(localPath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        qCDebug(lcSound) << path << "cannot be opened:" << std::strerror(errno);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        qCDebug(lcSound) << path << "is not a regular file";
        return std::nullopt;
    }

    FdReader reader{fd.get(), sf_count_t(st.st_size)};
    SF_VIRTUAL_IO io{readerLength, readerSeek, readerRead, readerWrite, readerTell};
    SF_INFO info{};
    SndfileGuard file(sf_open_virtual(&io, SFM_READ, &info, &reader));
    if (!file.get()) {
        qCDebug(lcSound) << path << "is not a sound:" << sf_strerror(nullptr);
        return std::nullopt;
    }
    if (info.channels <= 0 || info.samplerate < kMinSampleRate ||
        info.samplerate > kMaxSampleRate) {
        qCDebug(lcSound) << path << "has an unusable format:" << info.channels << "channels at"
                         << info.samplerate << "Hz";
        return std::nullopt;
    }

    Pcm pcm;
    pcm.sampleRate = info.samplerate;
    pcm.channels = std::min(info.channels, 2);
    const qint64 bytesPerFrame = pcm.channels * qint64(sizeof(qint16));
    const qint64 maxFrames =
        std::min<qint64>(kMaxSeconds * info.samplerate, kMaxDecodedBytes / bytesPerFrame);

    // The header's frame count is not trusted for allocation: read in chunks until the
    // data really ends or the limit is reached.
    const sf_count_t chunkFrames = std::max(1, 65536 / info.channels);
    // Read as float, which libsndfile scales to full range for every sample format
    // (its 16-bit reads leave float data unscaled, and so nearly silent).
    std::vector<float> chunk(size_t(chunkFrames) * size_t(info.channels));
    qint64 decoded = 0;
    while (decoded < maxFrames) {
        const sf_count_t want = std::min<qint64>(chunkFrames, maxFrames - decoded);
        const sf_count_t got = sf_readf_float(file.get(), chunk.data(), want);
        if (got <= 0)
            break;
        appendFrames(pcm.samples, chunk.data(), got, info.channels);
        decoded += got;
    }
    if (decoded == 0) {
        qCDebug(lcSound) << path << "holds no sound";
        return std::nullopt;
    }
    pcm.samples.squeeze();
    return pcm;
}

const Pcm &defaultSound() {
    static const Pcm beep = [] {
        constexpr int rate = 44100;
        constexpr double toneSeconds = 0.085;
        constexpr double fadeSeconds = 0.012;
        constexpr double amplitude = 0.25 * 32767;
        constexpr double pitches[] = {880.0, 660.0};
        const int toneFrames = int(toneSeconds * rate);
        const int fadeFrames = int(fadeSeconds * rate);

        Pcm pcm;
        pcm.sampleRate = rate;
        pcm.channels = 1;
        pcm.samples.resize(qsizetype(std::size(pitches)) * toneFrames * qsizetype(sizeof(qint16)));
        auto *out = reinterpret_cast<qint16 *>(pcm.samples.data());
        for (double pitch : pitches) {
            for (int i = 0; i < toneFrames; ++i) {
                // Fades at both ends of each tone keep the beep free of clicks.
                const double edge = std::min(i, toneFrames - 1 - i);
                const double gain = std::min(1.0, edge / fadeFrames);
                const double phase = 2 * std::numbers::pi * pitch * i / rate;
                *out++ = qint16(std::lround(amplitude * gain * std::sin(phase)));
            }
        }
        return pcm;
    }();
    return beep;
}

} // namespace pipwell::sound

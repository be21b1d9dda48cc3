#include "playsoundfile.h"

#include "pcm.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

#include <utility>
#include <vector>

namespace pipwell {

namespace {

constexpr qint64 kPlayedToleranceUs = 1000;
constexpr int kTailPollMs = 10;
constexpr qint64 kTailGraceMs = 80;

int nestingDepth = 0;

// Sinks that have finished playing. Their destructor processes all pending events, which
// inside any sound's wait would hand out held-back user input early; and a plain
// deleteLater() can still be carried out inside a later sound's wait (the next sound of
// the same handler, or the outer sound of a nested one). Qt's PulseAudio sink may also
// still be draining for a while after stop(), and its drain callback uses the sink. So a
// sink is deleted only from the event loop, when no sound is playing, and only once it has
// been stopped for a second.
struct FinishedSink {
    QAudioSink *sink;
    QElapsedTimer stopped;
};
std::vector<FinishedSink> finishedSinks;
constexpr qint64 kSinkSettleMs = 1000;

void deleteFinishedSinksLater() {
    QTimer::singleShot(kSinkSettleMs, SoundEvents::instance(), [] {
        // A sound started meanwhile schedules this again when it ends.
        if (nestingDepth > 0)
            return;
        std::vector<FinishedSink> keep;
        for (FinishedSink &finished : std::exchange(finishedSinks, {})) {
            if (finished.stopped.elapsed() >= kSinkSettleMs) {
                delete finished.sink;
            } else {
                keep.push_back(finished);
            }
        }
        finishedSinks = std::move(keep);
        if (!finishedSinks.empty())
            deleteFinishedSinksLater();
    });
}

// Counts the PlaySoundFile calls under way and announces the end of the outermost one,
// whichever way the call returns.
class NestingGuard {
public:
    NestingGuard() { ++nestingDepth; }
    ~NestingGuard() {
        if (--nestingDepth == 0) {
            if (!finishedSinks.empty())
                deleteFinishedSinksLater();
            emit SoundEvents::instance()->allSoundsEnded();
        }
    }
    NestingGuard(const NestingGuard &) = delete;
    NestingGuard &operator=(const NestingGuard &) = delete;
};

QAudioFormat formatOf(const sound::Pcm &pcm) {
    QAudioFormat format;
    format.setSampleRate(pcm.sampleRate);
    format.setChannelCount(pcm.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

void playOn(const QAudioDevice &device, const sound::Pcm &decoded) {
    sound::Pcm converted;
    const sound::Pcm *pcm = &decoded;
    if (!device.isFormatSupported(formatOf(decoded))) {
        converted = sound::toStereo(decoded, 44100);
        pcm = &converted;
    }
    const qint64 durationMs = pcm->durationMs();
    const qint64 durationUs = pcm->frames() * 1000000 / pcm->sampleRate;

    // Kept under the sound events object while it lives; deleted through finishedSinks
    // once played, and the buffer with it.
    auto *sink = new QAudioSink(device, formatOf(*pcm), SoundEvents::instance());
    auto *buffer = new QBuffer(sink);
    buffer->setData(pcm->samples);
    buffer->open(QIODevice::ReadOnly);

    QEventLoop loop;
    QTimer lengthTimer;
    QTimer tailPoll;
    QElapsedTimer tailClock;
    bool drained = false;
    bool failed = false;
    // Idle only means the sink has handed all data to the server, which can be well before
    // the server has played it; the sound's own length has to pass as well. Even then the
    // server may lag a little behind (stopping the sink then would cut off the tail), so
    // wait until it reports the whole sound played, but no more than a short grace time.
    auto finishIfDone = [&] {
        if (failed) {
            loop.quit();
            return;
        }
        if (!drained || !tailClock.isValid())
            return;
        if (sink->processedUSecs() >= durationUs - kPlayedToleranceUs ||
            tailClock.elapsed() >= kTailGraceMs) {
            loop.quit();
        } else if (!tailPoll.isActive()) {
            tailPoll.start();
        }
    };
    QObject::connect(sink, &QAudioSink::stateChanged, &loop, [&](QAudio::State state) {
        if (state == QAudio::IdleState) {
            drained = true;
        } else if (state == QAudio::StoppedState && sink->error() != QAudio::NoError) {
            failed = true;
        }
        finishIfDone();
    });

    sink->start(buffer);
    if (sink->state() == QAudio::StoppedState && sink->error() != QAudio::NoError)
        failed = true;

    if (!failed) {
        lengthTimer.setSingleShot(true);
        lengthTimer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&lengthTimer, &QTimer::timeout, &loop, [&] {
            tailClock.start();
            finishIfDone();
        });
        tailPoll.setInterval(kTailPollMs);
        QObject::connect(&tailPoll, &QTimer::timeout, &loop, finishIfDone);
        // A stuck audio system holds the caller no longer than this.
        QTimer limitTimer;
        limitTimer.setSingleShot(true);
        // A coarse timer may fire up to 5% late, which on a long sound is far too late.
        limitTimer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&limitTimer, &QTimer::timeout, &loop, &QEventLoop::quit);

        lengthTimer.start(int(durationMs));
        limitTimer.start(int(durationMs + 1000));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    QObject::disconnect(sink, nullptr, &loop, nullptr);
    sink->stop();
    QElapsedTimer stopped;
    stopped.start();
    finishedSinks.push_back({sink, stopped});
}

} // namespace

bool soundPlaying() {
    return nestingDepth > 0;
}

SoundEvents *SoundEvents::instance() {
    // Never destroyed: it may be used until the very end of the program.
    static auto *events = new SoundEvents;
    return events;
}

} // namespace pipwell

void PlaySoundFile(const QString &path) {
    using namespace pipwell;
    NestingGuard nesting;

    if (!QCoreApplication::instance())
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;

    const std::optional<sound::Pcm> pcm = sound::decodeSoundFile(path);
    playOn(device, pcm ? *pcm : sound::defaultSound());
}

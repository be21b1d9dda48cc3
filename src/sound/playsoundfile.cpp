#include "playsoundfile.h"

#include "cutoff.h"
#include "pcm.h"
#include "pulseoutput.h"
#include "soundlog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <optional>
#include <thread>

namespace pipwell {

namespace sound {
Q_LOGGING_CATEGORY(lcSound, "pipwell.sound", QtWarningMsg)
} // namespace sound

namespace {

using sound::lcSound;

int nestingDepth = 0;

// Counts the PlaySoundFile calls under way and announces the end of the outermost one,
// whichever way the call returns.
class NestingGuard {
public:
    NestingGuard() { ++nestingDepth; }
    ~NestingGuard() {
        if (--nestingDepth == 0)
            Q_EMIT SoundEvents::instance()->allSoundsEnded();
    }
    NestingGuard(const NestingGuard &) = delete;
    NestingGuard &operator=(const NestingGuard &) = delete;
};

struct Started {
    std::shared_ptr<sound::Playback> playback;
    qint64 limitMs = 0;
    QElapsedTimer clock;
};

Started start(const QString &path) {
    std::optional<sound::Pcm> pcm = sound::decodeSoundFile(path);
    if (!pcm) {
        qCDebug(lcSound) << "playing the default sound in place of" << path;
        pcm = sound::defaultSound();
    }
    Started started;
    started.clock.start();
    started.limitMs = pcm->durationMs() + sound::kCutOffSlackMs;
    started.playback =
        sound::PulseOutput::instance().start(std::move(*pcm), QFileInfo(path).fileName());
    return started;
}

// The sound that start-up began before the window existed, on a thread of its own so that
// reading the file and reaching the server cost the window nothing.
struct Early {
    QString path;
    Started started;
    std::thread starting;
};
std::optional<Early> early;

void waitForEnd(const QString &path, Started &started) {
    sound::PulseOutput &output = sound::PulseOutput::instance();
    QEventLoop loop;
    // The ending is told on libpulse's thread; the loop quits on its own.
    const bool waiting = output.whenEnded(started.playback, [&loop](sound::Ending) {
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    bool cut = false;
    if (waiting) {
        QTimer limit;
        limit.setSingleShot(true);
        // A coarse timer may fire up to 5% late, which on a long sound is far too late.
        limit.setTimerType(Qt::PreciseTimer);
        QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
            cut = true;
            loop.quit();
        });
        limit.start(int(std::max<qint64>(0, started.limitMs - started.clock.elapsed())));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    // Stops the sound when the limit cut it, and keeps the callback from outliving the loop.
    output.release(started.playback);
    if (cut) {
        qCWarning(lcSound) << path << "cut off after" << started.clock.elapsed()
                           << "ms: the sound server did not finish it";
        return;
    }
    switch (output.ending(started.playback)) {
    case sound::Ending::Heard:
        qCDebug(lcSound) << path << "heard after" << started.clock.elapsed() << "ms";
        break;
    case sound::Ending::NoServer:
        qCDebug(lcSound) << path << "not played: no sound server";
        break;
    case sound::Ending::Lost:
        qCWarning(lcSound) << path << "not played to its end: the sound server went away";
        break;
    }
}

} // namespace

void startSoundEarly(const QString &path) {
    early.emplace();
    early->path = path;
    early->starting = std::thread([path] { early->started = start(path); });
}

void stopSounds() {
    if (early && early->starting.joinable())
        early->starting.join();
    early.reset();
    sound::PulseOutput::instance().shutdown();
}

bool soundPlaying() {
    return nestingDepth > 0;
}

SoundEvents *SoundEvents::instance() {
    // Never destroyed: it may be used until the very end of the program.
    static auto *events = new SoundEvents;
    return events;
}

void PlaySoundFile(const QString &path) {
    NestingGuard nesting;

    if (!QCoreApplication::instance())
        return;
    // No other sound starts before the early one has: the output is used by one thread at a time.
    if (early && early->starting.joinable())
        early->starting.join();
    if (early && early->path == path) {
        Started started = std::move(early->started);
        early.reset();
        waitForEnd(path, started);
        return;
    }
    Started started = start(path);
    waitForEnd(path, started);
}

} // namespace pipwell

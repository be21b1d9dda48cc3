// How PlaySoundFile lines up with what the sound server plays: (a) how long after the
// sound's last sample is played the call returns, (b) how long after the call its first
// sample is played. Needs a PulseAudio server with the null sink of dev/with-test-services.
//
//   bench_soundtiming [--calls N] [--tone-ms N] [--gap-ms N] [--fragsize-ms N] [--source NAME]
//                     [--player game|push] [--low-latency-sink]
//
// The capture leaves the sink's latency alone (without a request of its own the null sink
// renders about 50 ms ahead, in blocks). --low-latency-sink asks for one of the fragment
// size instead, as a desktop sink with a short buffer would have: it shows how much of the
// delay is the test sink's.
//
// --player push times a stand-in for PlaySoundFile that writes the sound to the sink at
// once (push mode) instead of letting the sink pull it on its first timer tick; it shows
// what that change to the game's player would gain, and is not used by the game.
//
// The sink's monitor is recorded live in this process. Capture positions are put on the
// CLOCK_MONOTONIC time line with the server's own timing reports (taken every few
// milliseconds): at the moment of a report, the sample being played is the record queue's
// write position plus the source's latency minus the sink's latency (the monitor is
// written when the sink renders, which is the sink's latency ahead of playing). That is
// the "played" time below. "Rendered" is the moment the sink took the sample from the
// stream (played minus the sink's latency), "arrived" the moment this process received it.
//
// The test sound is a square wave that starts and stops at full amplitude, so the first
// and last loud samples of each burst in the capture are its first and last samples.
//
// Prints one line per call. It also notes when Qt's own drain of each stream was asked for
// and completed, relative to the call's return (qt_drain_*): Qt 6.4 passes the sink object
// to that drain's callback, so one completing after the sink is deleted crashes.

#include "pcm.h"
#include "playsoundfile.h"

#include <pulse/pulseaudio.h>

#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <dlfcn.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

constexpr int kRate = 44100;

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

double median(std::vector<double> v) {
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

[[noreturn]] void fail(const char *what) {
    std::fprintf(stderr, "bench_soundtiming: %s\n", what);
    std::_Exit(2);
}

// What Qt Multimedia asks of libpulse for each sound, to split the delay before the first
// sample into its steps. This program exports these two functions, so Qt's calls reach them
// first; they note the time and hand over to libpulse.
struct StreamSteps {
    double connectMs = NAN;
    double firstWriteMs = NAN;
    double lastWriteMs = NAN;
    double tlengthMs = NAN;
    double prebufMs = NAN;
    size_t bytes = 0;
    int bytesPerSecond = 1;
};
std::mutex stepsMutex;
std::vector<StreamSteps> steps;
pa_stream *playing = nullptr;

// Drains that Qt asks for on its own when a stream runs dry, with the sink object as the
// callback's data: when one completes after the sink was deleted, Qt uses a dangling sink.
struct Drain {
    double issuedMs = NAN;
    double doneMs = NAN;
    pa_stream_success_cb_t cb = nullptr;
    void *userdata = nullptr;
};
std::vector<Drain *> drains;

void put16(QByteArray &out, int v) {
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}
void put32(QByteArray &out, quint32 v) {
    put16(out, int(v & 0xffff));
    put16(out, int(v >> 16));
}

// A mono 16-bit WAV: a 441 Hz square wave at half scale, sharp at both ends.
QByteArray squareWave(int ms) {
    const int frames = kRate * ms / 1000;
    QByteArray data;
    data.reserve(frames * 2);
    for (int i = 0; i < frames; ++i)
        put16(data, (i / 50) % 2 ? -16000 : 16000);
    QByteArray wav("RIFF");
    put32(wav, quint32(36 + data.size()));
    wav.append("WAVEfmt ");
    put32(wav, 16);
    put16(wav, 1); // PCM
    put16(wav, 1); // mono
    put32(wav, kRate);
    put32(wav, kRate * 2);
    put16(wav, 2);
    put16(wav, 16);
    wav.append("data");
    put32(wav, quint32(data.size()));
    return wav + data;
}

// Records a source into memory on libpulse's own thread, with the timing reports.
class Capture {
public:
    struct Report {
        double atMs;        // CLOCK_MONOTONIC
        double playedPosMs; // capture position being played at that moment
        double sinkMs;      // the sink's latency then
    };
    struct Arrival {
        double atMs;
        qint64 endFrame;
    };

    bool start(const char *source, int fragsizeMs, bool lowLatency) {
        loop_ = pa_threaded_mainloop_new();
        ctx_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "bench_soundtiming");
        pa_context_set_state_callback(ctx_, [](pa_context *, void *me) {
            pa_threaded_mainloop_signal(static_cast<Capture *>(me)->loop_, 0);
        }, this);
        if (pa_context_connect(ctx_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            return false;
        pa_threaded_mainloop_lock(loop_);
        pa_threaded_mainloop_start(loop_);
        for (;;) {
            const pa_context_state_t s = pa_context_get_state(ctx_);
            if (s == PA_CONTEXT_READY)
                break;
            if (!PA_CONTEXT_IS_GOOD(s)) {
                pa_threaded_mainloop_unlock(loop_);
                return false;
            }
            pa_threaded_mainloop_wait(loop_);
        }
        const pa_sample_spec format{PA_SAMPLE_S16LE, kRate, 1};
        stream_ = pa_stream_new(ctx_, "capture", &format, nullptr);
        pa_stream_set_state_callback(stream_, [](pa_stream *, void *me) {
            pa_threaded_mainloop_signal(static_cast<Capture *>(me)->loop_, 0);
        }, this);
        pa_stream_set_read_callback(stream_, [](pa_stream *, size_t, void *me) {
            static_cast<Capture *>(me)->onReadable();
        }, this);
        pa_buffer_attr attr{};
        attr.maxlength = uint32_t(-1);
        attr.fragsize = fragsizeMs > 0 ? uint32_t(kRate * 2 * fragsizeMs / 1000) : uint32_t(-1);
        if (pa_stream_connect_record(stream_, source, &attr, lowLatency ? PA_STREAM_ADJUST_LATENCY : PA_STREAM_NOFLAGS) < 0) {
            pa_threaded_mainloop_unlock(loop_);
            return false;
        }
        for (;;) {
            const pa_stream_state_t s = pa_stream_get_state(stream_);
            if (s == PA_STREAM_READY)
                break;
            if (!PA_STREAM_IS_GOOD(s)) {
                pa_threaded_mainloop_unlock(loop_);
                return false;
            }
            pa_threaded_mainloop_wait(loop_);
        }
        // Timing reports every few milliseconds, requested from libpulse's own thread.
        timer_ = pa_context_rttime_new(ctx_, pa_rtclock_now() + 5000, [](pa_mainloop_api *, pa_time_event *, const struct timeval *, void *me) {
            static_cast<Capture *>(me)->askTiming();
        }, this);
        pa_threaded_mainloop_unlock(loop_);
        return true;
    }

    void stop() {
        pa_threaded_mainloop_lock(loop_);
        stopping_ = true;
        pa_stream_disconnect(stream_);
        pa_threaded_mainloop_unlock(loop_);
        pa_threaded_mainloop_stop(loop_);
    }

    // Snapshots for the analysis; the capture goes on meanwhile.
    std::vector<qint16> samples() {
        std::lock_guard lock(mutex_);
        return samples_;
    }
    std::vector<Report> reports() {
        std::lock_guard lock(mutex_);
        return reports_;
    }
    std::vector<Arrival> arrivals() {
        std::lock_guard lock(mutex_);
        return arrivals_;
    }

private:
    void onReadable() {
        const double at = nowMs();
        std::lock_guard lock(mutex_);
        while (pa_stream_readable_size(stream_) > 0) {
            const void *data = nullptr;
            size_t bytes = 0;
            if (pa_stream_peek(stream_, &data, &bytes) < 0 || bytes == 0)
                break;
            const size_t n = bytes / 2;
            if (data) {
                const auto *in = static_cast<const qint16 *>(data);
                samples_.insert(samples_.end(), in, in + n);
            } else {
                samples_.insert(samples_.end(), n, 0); // a hole: silence, keeps positions
            }
            pa_stream_drop(stream_);
        }
        arrivals_.push_back({at, qint64(samples_.size())});
    }

    void askTiming() {
        if (stopping_)
            return;
        pa_operation *op = pa_stream_update_timing_info(stream_, [](pa_stream *, int ok, void *me) {
            if (ok)
                static_cast<Capture *>(me)->onTiming();
        }, this);
        if (op)
            pa_operation_unref(op);
        pa_context_rttime_restart(ctx_, timer_, pa_rtclock_now() + 5000);
    }

    void onTiming() {
        const double at = nowMs();
        const pa_timing_info *t = pa_stream_get_timing_info(stream_);
        if (!t || t->write_index_corrupt)
            return;
        // As libpulse computes a record stream's time, but without its smoothing.
        const double written = double(t->write_index) / 2.0 / kRate * 1e3;
        const double played = written + double(t->transport_usec) / 1e3 +
                              double(t->source_usec) / 1e3 - double(t->sink_usec) / 1e3;
        std::lock_guard lock(mutex_);
        reports_.push_back({at, played, double(t->sink_usec) / 1e3});
    }

    pa_threaded_mainloop *loop_ = nullptr;
    pa_context *ctx_ = nullptr;
    pa_stream *stream_ = nullptr;
    pa_time_event *timer_ = nullptr;
    bool stopping_ = false;
    std::mutex mutex_;
    std::vector<qint16> samples_;
    std::vector<Report> reports_;
    std::vector<Arrival> arrivals_;
};

// Push mode: everything the server takes is written at the call; the rest follows every
// 10 ms. The wait ends as the game's does: the sound's length has passed, all is written
// and the sink reports it processed.
void playPushed(const QString &path) {
    const std::optional<pipwell::sound::Pcm> pcm = pipwell::sound::decodeSoundFile(path);
    if (!pcm)
        return;
    QAudioFormat format;
    format.setSampleRate(pcm->sampleRate);
    format.setChannelCount(pcm->channels);
    format.setSampleFormat(QAudioFormat::Int16);
    auto *sink = new QAudioSink(QMediaDevices::defaultAudioOutput(), format);
    sink->setBufferSize(pcm->samples.size());
    QIODevice *out = sink->start();
    if (!out)
        return;
    qsizetype done = 0;
    auto feed = [&] {
        while (done < pcm->samples.size()) {
            const qint64 n = out->write(pcm->samples.constData() + done,
                                        std::min<qint64>(sink->bytesFree(), pcm->samples.size() - done));
            if (n <= 0)
                break;
            done += n;
        }
    };
    feed();
    const qint64 durationUs = pcm->frames() * 1000000 / pcm->sampleRate;
    QEventLoop loop;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        feed();
        if (done == pcm->samples.size() && clock.nsecsElapsed() / 1000 >= durationUs &&
            (sink->processedUSecs() >= durationUs - 1000 || clock.elapsed() > durationUs / 1000 + 80))
            loop.quit();
    });
    tick.start(10);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    sink->stop();
    // Never deleted: in push mode Qt 6.4's PulseAudio thread can still report a state change
    // to a sink deleted after stop(), which crashes.
}

void waitMs(int ms) {
    // Runs the event loop, so that the sinks released with deleteLater() really go.
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Burst {
    qint64 first = 0;
    qint64 last = 0;
};

// Runs of loud samples; quiet gaps shorter than 5 ms belong to the run.
std::vector<Burst> bursts(const std::vector<qint16> &s) {
    constexpr int kLoud = 4000;
    constexpr qint64 kGap = kRate / 200;
    std::vector<Burst> out;
    bool in = false;
    Burst b;
    for (qint64 i = 0; i < qint64(s.size()); ++i) {
        if (std::abs(int(s[size_t(i)])) < kLoud)
            continue;
        if (in && i - b.last <= kGap) {
            b.last = i;
            continue;
        }
        if (in)
            out.push_back(b);
        b = {i, i};
        in = true;
    }
    if (in)
        out.push_back(b);
    return out;
}

} // namespace

extern "C" int pa_stream_connect_playback(pa_stream *s, const char *dev, const pa_buffer_attr *attr,
                                          pa_stream_flags_t flags, const pa_cvolume *volume,
                                          pa_stream *sync) {
    using Fn = int (*)(pa_stream *, const char *, const pa_buffer_attr *, pa_stream_flags_t,
                       const pa_cvolume *, pa_stream *);
    static const auto real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "pa_stream_connect_playback"));
    {
        std::lock_guard lock(stepsMutex);
        StreamSteps st;
        st.connectMs = nowMs();
        const pa_sample_spec *format = pa_stream_get_sample_spec(s);
        st.bytesPerSecond = int(pa_bytes_per_second(format));
        if (attr) {
            st.tlengthMs = attr->tlength == uint32_t(-1) ? -1 : attr->tlength * 1e3 / st.bytesPerSecond;
            st.prebufMs = attr->prebuf == uint32_t(-1) ? -1 : attr->prebuf * 1e3 / st.bytesPerSecond;
        }
        steps.push_back(st);
        playing = s;
    }
    return real(s, dev, attr, flags, volume, sync);
}

extern "C" int pa_stream_write(pa_stream *s, const void *data, size_t bytes, pa_free_cb_t freeCb,
                               int64_t offset, pa_seek_mode_t seek) {
    using Fn = int (*)(pa_stream *, const void *, size_t, pa_free_cb_t, int64_t, pa_seek_mode_t);
    static const auto real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "pa_stream_write"));
    {
        std::lock_guard lock(stepsMutex);
        if (s == playing && !steps.empty()) {
            StreamSteps &st = steps.back();
            const double at = nowMs();
            if (std::isnan(st.firstWriteMs))
                st.firstWriteMs = at;
            st.lastWriteMs = at;
            st.bytes += bytes;
        }
    }
    return real(s, data, bytes, freeCb, offset, seek);
}

extern "C" pa_operation *pa_stream_drain(pa_stream *s, pa_stream_success_cb_t cb, void *userdata) {
    using Fn = pa_operation *(*)(pa_stream *, pa_stream_success_cb_t, void *);
    static const auto real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "pa_stream_drain"));
    if (!userdata)
        return real(s, cb, userdata);
    auto *d = new Drain; // kept to the end, read by the analysis
    d->issuedMs = nowMs();
    d->cb = cb;
    d->userdata = userdata;
    {
        std::lock_guard lock(stepsMutex);
        drains.push_back(d);
    }
    return real(s, [](pa_stream *st, int ok, void *me) {
        auto *drain = static_cast<Drain *>(me);
        {
            std::lock_guard lock(stepsMutex);
            drain->doneMs = nowMs();
        }
        drain->cb(st, ok, drain->userdata);
    }, d);
}

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    int calls = 12, toneMs = 300, gapMs = 300, fragsizeMs = 10;
    const char *source = "nullsink.monitor";
    bool push = false;
    bool lowLatency = false;
    for (int i = 1; i < argc; ++i) {
        auto intArg = [&](int &v) {
            if (i + 1 >= argc)
                fail("missing value");
            v = std::atoi(argv[++i]);
        };
        if (!std::strcmp(argv[i], "--calls"))
            intArg(calls);
        else if (!std::strcmp(argv[i], "--tone-ms"))
            intArg(toneMs);
        else if (!std::strcmp(argv[i], "--gap-ms"))
            intArg(gapMs);
        else if (!std::strcmp(argv[i], "--fragsize-ms"))
            intArg(fragsizeMs);
        else if (!std::strcmp(argv[i], "--source") && i + 1 < argc)
            source = argv[++i];
        else if (!std::strcmp(argv[i], "--low-latency-sink"))
            lowLatency = true;
        else if (!std::strcmp(argv[i], "--player") && i + 1 < argc)
            push = !std::strcmp(argv[++i], "push");
        else
            fail("usage: bench_soundtiming [--calls N] [--tone-ms N] [--gap-ms N] "
                 "[--fragsize-ms N] [--source NAME] [--player game|push] [--low-latency-sink]");
    }

    QTemporaryDir dir;
    const QString tone = dir.filePath(QStringLiteral("tone.wav"));
    {
        QFile f(tone);
        if (!f.open(QIODevice::WriteOnly) || f.write(squareWave(toneMs)) < 0)
            fail("cannot write the test sound");
    }

    Capture capture;
    if (!capture.start(source, fragsizeMs, lowLatency))
        fail("cannot record the null sink's monitor (is the test PulseAudio server running?)");
    // The capture and its timing reports settle first.
    waitMs(600);

    struct Call {
        double callMs, returnMs;
    };
    std::vector<Call> made;
    // A random part of the gap spreads the calls over the sink's rendering cycle, which would
    // otherwise drift slowly and give a run of similar figures.
    std::srand(unsigned(nowMs()));
    for (int i = 0; i < calls; ++i) {
        waitMs(gapMs + std::rand() % 50);
        const double before = nowMs();
        if (push)
            playPushed(tone);
        else
            PlaySoundFile(tone);
        made.push_back({before, nowMs()});
    }
    // Until the capture holds everything that was played, and a little silence after it.
    const double until = made.back().returnMs + 300;
    for (int waited = 0; waited < 5000; waited += 50) {
        const auto reports = capture.reports();
        const auto arrivals = capture.arrivals();
        if (!reports.empty() && !arrivals.empty()) {
            const Capture::Report &r = reports.back();
            const double lastPlayed = r.atMs + (double(arrivals.back().endFrame) / kRate * 1e3 - r.playedPosMs);
            if (lastPlayed > until)
                break;
        }
        waitMs(50);
    }
    const std::vector<qint16> samples = capture.samples();
    const std::vector<Capture::Report> reports = capture.reports();
    const std::vector<Capture::Arrival> arrivals = capture.arrivals();
    capture.stop();
    if (reports.size() < 10)
        fail("too few timing reports from the sound server");

    // Monotonic time at which capture position p (ms) was played: the reports near the calls
    // give p's offset; their median keeps a report delayed on its way out.
    auto offsetNear = [&](double fromMs, double toMs, double *sinkMs) {
        std::vector<double> offsets, sinks;
        for (const auto &r : reports) {
            if (r.atMs >= fromMs && r.atMs <= toMs) {
                offsets.push_back(r.atMs - r.playedPosMs);
                sinks.push_back(r.sinkMs);
            }
        }
        *sinkMs = median(sinks);
        return median(offsets);
    };
    auto arrivedAt = [&](qint64 frame) -> double {
        for (const auto &a : arrivals)
            if (a.endFrame > frame)
                return a.atMs;
        return NAN;
    };

    const std::vector<Burst> found = bursts(samples);
    size_t next = 0;
    int missing = 0;
    for (size_t i = 0; i < made.size(); ++i) {
        const Call &call = made[i];
        double sinkMs = 0;
        const double offset = offsetNear(call.callMs - 1000, call.returnMs + 1000, &sinkMs);
        // The first burst played after the call began.
        while (next < found.size() &&
               offset + double(found[next].first) * 1e3 / kRate < call.callMs - 50)
            ++next;
        if (next >= found.size()) {
            std::printf("call=%zu missing\n", i + 1);
            ++missing;
            continue;
        }
        const Burst &b = found[next++];
        const double firstPlayed = offset + double(b.first) * 1e3 / kRate;
        const double lastPlayed = offset + double(b.last + 1) * 1e3 / kRate;
        StreamSteps st;
        {
            std::lock_guard lock(stepsMutex);
            if (i < steps.size())
                st = steps[i];
        }
        // Qt's own drain for this call, relative to the call's return.
        double drainIssued = NAN, drainDone = NAN;
        {
            std::lock_guard lock(stepsMutex);
            const double nextCall = i + 1 < made.size() ? made[i + 1].callMs : 1e300;
            for (const Drain *d : drains) {
                if (d->issuedMs >= call.callMs && d->issuedMs < nextCall) {
                    drainIssued = d->issuedMs - call.returnMs;
                    drainDone = d->doneMs - call.returnMs;
                }
            }
        }
        std::printf("call=%zu start_ms=%.2f end_ms=%.2f reached_start_ms=%.2f reached_end_ms=%.2f "
                    "blocked_ms=%.2f heard_ms=%.2f sink_latency_ms=%.2f connect_ms=%.2f "
                    "first_write_ms=%.2f last_write_ms=%.2f written_ms=%.1f tlength_ms=%.1f "
                    "prebuf_ms=%.1f qt_drain_issued_ms=%.2f qt_drain_done_ms=%.2f\n",
                    i + 1, firstPlayed - call.callMs, call.returnMs - lastPlayed,
                    arrivedAt(b.first) - call.callMs, call.returnMs - arrivedAt(b.last),
                    call.returnMs - call.callMs, lastPlayed - firstPlayed, sinkMs,
                    st.connectMs - call.callMs, st.firstWriteMs - call.callMs,
                    st.lastWriteMs - call.callMs, double(st.bytes) * 1e3 / st.bytesPerSecond,
                    st.tlengthMs, st.prebufMs, drainIssued, drainDone);
    }
    std::printf("tone_ms=%d calls=%d missing=%d bursts=%zu reports=%zu\n", toneMs, calls, missing,
                found.size(), reports.size());
    std::fflush(stdout);
    dir.remove(); // _Exit skips its destructor
    // libpulse may assert while a program with live contexts exits.
    std::_Exit(missing ? 1 : 0);
}

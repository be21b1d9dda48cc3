#pragma once

// What a sound server's null sink plays, recorded live from its monitor on libpulse's own
// thread, and put on the CLOCK_MONOTONIC time line with the server's timing reports: at the
// moment of a report, the sample being played is the record queue's write position plus the
// source's latency minus the sink's latency (the monitor is written when the sink renders,
// which is the sink's latency ahead of playing).

#include "wavbytes.h"

#include <pulse/pulseaudio.h>

#include <QEventLoop>
#include <QTimer>

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <vector>

namespace pipwell::testing {

constexpr int kRate = 44100;

inline double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

inline double median(std::vector<double> v) {
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline void waitMs(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A mono 16-bit WAV: a 441 Hz square wave at half scale, sharp at both ends.
inline QByteArray squareWave(int ms) {
    QByteArray data;
    for (int i = 0; i < kRate * ms / 1000; ++i) {
        const int v = (i / 50) % 2 ? -16000 : 16000;
        data.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
    }
    return wavHeader(1, kRate, quint32(data.size()), quint32(36 + data.size())) + data;
}

inline bool writeSquareWave(const QString &path, int ms) {
    return writeBytes(path, squareWave(ms));
}

// Records a source into memory on libpulse's own thread, with the timing reports.
class SinkCapture {
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

    // Returns once the capture and its timing reports have settled. Fragments shorter than
    // about 22 ms would make PipeWire run its graph in cycles a busy machine misses.
    bool start(const char *source = "nullsink.monitor", int fragsizeMs = 30,
               bool lowLatency = false) {
        loop_ = pa_threaded_mainloop_new();
        ctx_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "bench_soundtiming");
        pa_context_set_state_callback(ctx_, wake<pa_context>, this);
        if (pa_context_connect(ctx_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            return false;
        pa_threaded_mainloop_lock(loop_);
        pa_threaded_mainloop_start(loop_);
        if (!await<pa_context_state_t>([this] { return pa_context_get_state(ctx_); },
                                       PA_CONTEXT_READY, PA_CONTEXT_IS_GOOD))
            return false;
        const pa_sample_spec format{PA_SAMPLE_S16LE, kRate, 1};
        stream_ = pa_stream_new(ctx_, "capture", &format, nullptr);
        pa_stream_set_state_callback(stream_, wake<pa_stream>, this);
        pa_stream_set_read_callback(
            stream_,
            [](pa_stream *, size_t, void *me) { static_cast<SinkCapture *>(me)->onReadable(); },
            this);
        pa_stream_set_overflow_callback(
            stream_,
            [](pa_stream *, void *me) {
                auto *self = static_cast<SinkCapture *>(me);
                std::lock_guard lock(self->mutex_);
                ++self->overflows_;
            },
            this);
        pa_buffer_attr attr{};
        attr.maxlength = uint32_t(-1);
        attr.fragsize = fragsizeMs > 0 ? uint32_t(kRate * 2 * fragsizeMs / 1000) : uint32_t(-1);
        if (pa_stream_connect_record(stream_, source, &attr,
                                     lowLatency ? PA_STREAM_ADJUST_LATENCY : PA_STREAM_NOFLAGS) <
            0) {
            pa_threaded_mainloop_unlock(loop_);
            return false;
        }
        if (!await<pa_stream_state_t>([this] { return pa_stream_get_state(stream_); },
                                      PA_STREAM_READY, PA_STREAM_IS_GOOD))
            return false;
        // Timing reports every few milliseconds, requested from libpulse's own thread.
        timer_ = pa_context_rttime_new(
            ctx_, pa_rtclock_now() + 5000,
            [](pa_mainloop_api *, pa_time_event *, const struct timeval *, void *me) {
                static_cast<SinkCapture *>(me)->askTiming();
            },
            this);
        pa_threaded_mainloop_unlock(loop_);
        waitMs(300);
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
    std::vector<qint16> samples() { return snapshot(samples_); }
    std::vector<Report> reports() { return snapshot(reports_); }
    std::vector<Arrival> arrivals() { return snapshot(arrivals_); }
    // Whether the recording holds every sample the sink played: no hole, nothing dropped.
    bool recordedWhole() {
        std::lock_guard lock(mutex_);
        return holes_ == 0 && overflows_ == 0;
    }

private:
    template <typename T> std::vector<T> snapshot(const std::vector<T> &all) {
        std::lock_guard lock(mutex_);
        return all;
    }
    // A state callback: whoever waits for a new state looks again.
    template <typename Object> static void wake(Object *, void *me) {
        pa_threaded_mainloop_signal(static_cast<SinkCapture *>(me)->loop_, 0);
    }

    // Waits, holding the loop's lock, until the state is ready; false, and the lock given
    // up, once it can no longer get there.
    template <typename State>
    bool await(const std::function<State()> &state, State ready, int (*good)(State)) {
        for (State now = state(); now != ready; now = state()) {
            if (!good(now)) {
                pa_threaded_mainloop_unlock(loop_);
                return false;
            }
            pa_threaded_mainloop_wait(loop_);
        }
        return true;
    }

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
                ++holes_;
            }
            pa_stream_drop(stream_);
        }
        arrivals_.push_back({at, qint64(samples_.size())});
    }

    void askTiming() {
        if (stopping_)
            return;
        pa_operation *op = pa_stream_update_timing_info(
            stream_,
            [](pa_stream *, int ok, void *me) {
                if (ok)
                    static_cast<SinkCapture *>(me)->onTiming();
            },
            this);
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
    int holes_ = 0;
    int overflows_ = 0;
};

struct Burst {
    qint64 first = 0;
    qint64 last = 0;
};

// Runs of loud samples; quiet gaps shorter than 5 ms belong to the run.
inline std::vector<Burst> bursts(const std::vector<qint16> &s) {
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

// The capture's time line: when a capture position was played, and when it arrived here.
struct Timeline {
    std::vector<SinkCapture::Report> reports;
    std::vector<SinkCapture::Arrival> arrivals;

    // Monotonic time at which capture position p (ms) was played is p + offset; the reports
    // near the moment give the offset, their median keeps a report delayed on its way out.
    double offsetNear(double fromMs, double toMs, double *sinkMs = nullptr) const {
        std::vector<double> offsets, sinks;
        for (const auto &r : reports) {
            if (r.atMs >= fromMs && r.atMs <= toMs) {
                offsets.push_back(r.atMs - r.playedPosMs);
                sinks.push_back(r.sinkMs);
            }
        }
        if (sinkMs)
            *sinkMs = median(sinks);
        return median(offsets);
    }
    double arrivedAt(qint64 frame) const {
        for (const auto &a : arrivals)
            if (a.endFrame > frame)
                return a.atMs;
        return NAN;
    }
};

// Waits until the capture holds what was played up to the given moment (at most 5 s).
inline Timeline settle(SinkCapture &capture, double untilMs) {
    for (int waited = 0; waited < 5000; waited += 50) {
        const auto reports = capture.reports();
        const auto arrivals = capture.arrivals();
        if (!reports.empty() && !arrivals.empty()) {
            const SinkCapture::Report &r = reports.back();
            const double lastPlayed =
                r.atMs + (double(arrivals.back().endFrame) / kRate * 1e3 - r.playedPosMs);
            if (lastPlayed > untilMs)
                break;
        }
        waitMs(50);
    }
    return {capture.reports(), capture.arrivals()};
}

} // namespace pipwell::testing

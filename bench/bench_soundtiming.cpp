// How sound lines up with what the sound server plays, by the sink's own clock. Needs a
// PulseAudio (or pipewire-pulse) server with the null sink of dev/with-test-services.
//
//   bench_soundtiming [--calls N] [--tone-ms N] [--gap-ms N] [--fragsize-ms N] [--source NAME]
//       Calls PlaySoundFile N times: (a) how long after the sound's last sample is played the
//       call returns, (b) how long after the call its first sample is played.
//   bench_soundtiming --spawn [--runs N] [--fragsize-ms N] [--source NAME] -- program [args]
//       Starts the program N times (one at a time, each ended once heard) and reports how long
//       after its start the first sample of its first sound is played.
//
// The sink's monitor is recorded live in this process. Capture positions are put on the
// CLOCK_MONOTONIC time line with the server's own timing reports (taken every few
// milliseconds): at the moment of a report, the sample being played is the record queue's
// write position plus the source's latency minus the sink's latency (the monitor is
// written when the sink renders, which is the sink's latency ahead of playing). That is
// the "played" time below; "arrived" is the moment this process received the sample.
//
// The test sounds are square waves that start and stop at full amplitude, so the first
// and last loud samples of each burst in the capture are the sound's first and last.
//
// The game's calls to libpulse pass through this program first (it exports the same
// functions), which notes when each stream was connected and first written.

#include "playsoundfile.h"
#include "sinkclock.h"

#include <pulse/pulseaudio.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <dlfcn.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

using namespace pipwell::testing;
using pipwell::PlaySoundFile;

namespace {

[[noreturn]] void fail(const char *what) {
    std::fprintf(stderr, "bench_soundtiming: %s\n", what);
    std::_Exit(2);
}

// What the game asks of libpulse for each sound, to split the delay before the first sample
// into its steps. This program exports these two functions, so the game's calls reach them
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
            st.tlengthMs =
                attr->tlength == uint32_t(-1) ? -1 : attr->tlength * 1e3 / st.bytesPerSecond;
            st.prebufMs =
                attr->prebuf == uint32_t(-1) ? -1 : attr->prebuf * 1e3 / st.bytesPerSecond;
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

namespace {

int runCalls(SinkCapture &capture, int calls, int toneMs, int gapMs) {
    QTemporaryDir dir;
    const QString tone = dir.filePath(QStringLiteral("tone.wav"));
    if (!writeSquareWave(tone, toneMs))
        fail("cannot write the test sound");
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
        PlaySoundFile(tone);
        made.push_back({before, nowMs()});
    }
    const Timeline t = settle(capture, made.back().returnMs + 300);
    if (t.reports.size() < 10)
        fail("too few timing reports from the sound server");

    const std::vector<Burst> found = bursts(capture.samples());
    size_t next = 0;
    int missing = 0;
    for (size_t i = 0; i < made.size(); ++i) {
        const Call &call = made[i];
        double sinkMs = 0;
        const double offset = t.offsetNear(call.callMs - 1000, call.returnMs + 1000, &sinkMs);
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
        std::printf("call=%zu start_ms=%.2f end_ms=%.2f reached_start_ms=%.2f reached_end_ms=%.2f "
                    "blocked_ms=%.2f heard_ms=%.2f sink_latency_ms=%.2f connect_ms=%.2f "
                    "first_write_ms=%.2f last_write_ms=%.2f written_ms=%.1f tlength_ms=%.1f "
                    "prebuf_ms=%.1f\n",
                    i + 1, firstPlayed - call.callMs, call.returnMs - lastPlayed,
                    t.arrivedAt(b.first) - call.callMs, call.returnMs - t.arrivedAt(b.last),
                    call.returnMs - call.callMs, lastPlayed - firstPlayed, sinkMs,
                    st.connectMs - call.callMs, st.firstWriteMs - call.callMs,
                    st.lastWriteMs - call.callMs, double(st.bytes) * 1e3 / st.bytesPerSecond,
                    st.tlengthMs, st.prebufMs);
    }
    std::printf("tone_ms=%d calls=%d missing=%d bursts=%zu reports=%zu\n", toneMs, calls, missing,
                found.size(), t.reports.size());
    return missing ? 1 : 0;
}

int runSpawn(SinkCapture &capture, int runs, char **command) {
    int missing = 0;
    for (int run = 0; run < runs; ++run) {
        waitMs(300 + std::rand() % 50);
        const size_t before = capture.samples().size();
        const double spawnedMs = nowMs();
        pid_t pid = 0;
        if (posix_spawnp(&pid, command[0], nullptr, nullptr, command, environ) != 0)
            fail("cannot start the program");
        // Until the first burst after the start has been captured, at most 5 s.
        std::vector<Burst> found;
        for (int waited = 0; waited < 5000 && found.empty(); waited += 20) {
            waitMs(20);
            std::vector<qint16> samples = capture.samples();
            samples.erase(samples.begin(), samples.begin() + qsizetype(before));
            found = bursts(samples);
        }
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
        if (found.empty()) {
            std::printf("run=%d missing\n", run + 1);
            ++missing;
            continue;
        }
        const Timeline t = settle(capture, nowMs());
        if (t.reports.empty())
            fail("no timing reports from the sound server");
        const double offset = t.offsetNear(spawnedMs - 1000, nowMs());
        const qint64 first = qint64(before) + found.front().first;
        std::printf("run=%d first_played_ms=%.2f first_arrived_ms=%.2f\n", run + 1,
                    offset + double(first) * 1e3 / kRate - spawnedMs,
                    t.arrivedAt(first) - spawnedMs);
        std::fflush(stdout);
    }
    return missing ? 1 : 0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    int calls = 12, toneMs = 300, gapMs = 300, fragsizeMs = 10, runs = 10;
    const char *source = "nullsink.monitor";
    bool lowLatency = false;
    char **command = nullptr;
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
        else if (!std::strcmp(argv[i], "--runs"))
            intArg(runs);
        else if (!std::strcmp(argv[i], "--source") && i + 1 < argc)
            source = argv[++i];
        else if (!std::strcmp(argv[i], "--low-latency-sink"))
            lowLatency = true;
        else if (!std::strcmp(argv[i], "--spawn") && i + 2 < argc &&
                 !std::strcmp(argv[i + 1], "--")) {
            command = argv + i + 2;
            break;
        } else
            fail("usage: bench_soundtiming [--calls N] [--tone-ms N] [--gap-ms N] "
                 "[--fragsize-ms N] [--source NAME] | [--runs N] --spawn -- program [args]");
    }

    SinkCapture capture;
    if (!capture.start(source, fragsizeMs, lowLatency))
        fail("cannot record the null sink's monitor (is the test PulseAudio server running?)");
    waitMs(300); // longer still, for the first call
    const int status =
        command ? runSpawn(capture, runs, command) : runCalls(capture, calls, toneMs, gapMs);
    capture.stop();
    std::fflush(stdout);
    // libpulse's threads are still about; nothing is left to clean up.
    std::_Exit(status);
}

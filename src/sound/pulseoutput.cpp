#include "pulseoutput.h"

#include "soundlog.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace pipwell::sound {

namespace {

// How the desktop's volume mixer names the program and its sounds.
constexpr char kApplicationName[] = "Pipwell";
constexpr char kApplicationId[] = "org.example.Pipwell";
constexpr char kIconName[] = "org.example.Pipwell";
constexpr char kMediaRole[] = "game";

// The server buffer. PulseAudio sets its sink latency from it, and a sound's end is heard
// that much after the server has taken its last sample: so a short one. PipeWire's pulse
// server sets the cycle of the whole sound graph from it instead, about a quarter: at 20 ms
// that is 5.3 ms, and a machine that falls behind for one cycle puts silence into the sound.
// From about 86 ms the graph keeps PipeWire's default cycle of 1024 frames (21 ms at 48 kHz).
constexpr pa_usec_t kPulseAudioBufferUs = 20'000;
constexpr pa_usec_t kPipeWireBufferUs = 90'000;
// After the drain, the sink still holds its own buffer before the last sample is heard. A
// server that reports more than this is not believed.
constexpr std::int64_t kMaxSinkTailUs = 500'000;
// Closer than this to the moment of hearing is close enough.
constexpr std::int64_t kHeardToleranceUs = 500;

pa_usec_t usecOf(std::int64_t bytes, const pa_sample_spec &format) {
    return pa_bytes_to_usec(std::uint64_t(std::max<std::int64_t>(bytes, 0)), &format);
}

} // namespace

std::int64_t sinkTailUs(std::int64_t soundUs, std::int64_t readUs, std::int64_t transportUs,
                        std::int64_t sinkUs) {
    const std::int64_t played = std::min(readUs, soundUs) + transportUs - sinkUs;
    const std::int64_t left = std::clamp<std::int64_t>(soundUs - played, 0, kMaxSinkTailUs);
    return left <= kHeardToleranceUs ? 0 : left;
}

// One sound from its start to its end. Shared by PulseOutput, while it plays, and the caller.
// Everything in it is guarded by the main loop's lock.
struct Playback {
    Pcm pcm;
    QByteArray name;
    pa_sample_spec format{};
    size_t written = 0;
    pa_stream *stream = nullptr;
    pa_operation *operation = nullptr; // the drain or timing request under way
    pa_time_event *heardAt = nullptr;
    bool ended = false;
    Ending ending = Ending::Heard;
    std::function<void(Ending)> done;
    PulseOutput *output = nullptr;
};

PulseOutput &PulseOutput::instance() {
    // Never destroyed: libpulse's thread may use it until the very end; shutdown() stops that.
    static auto *output = new PulseOutput;
    return *output;
}

std::shared_ptr<Playback> PulseOutput::start(Pcm pcm, const QString &name) {
    auto playback = std::make_shared<Playback>();
    playback->pcm = std::move(pcm);
    playback->name = name.toUtf8();
    playback->format = {PA_SAMPLE_S16NE, std::uint32_t(playback->pcm.sampleRate),
                        std::uint8_t(playback->pcm.channels)};
    playback->output = this;

    if (loop_ == nullptr) {
        loop_ = pa_threaded_mainloop_new();
        if (loop_ == nullptr || pa_threaded_mainloop_start(loop_) < 0) {
            qCWarning(lcSound, "cannot start libpulse's thread");
            if (loop_ != nullptr)
                pa_threaded_mainloop_free(loop_);
            loop_ = nullptr;
            playback->ended = true;
            playback->ending = Ending::NoServer;
            return playback;
        }
    }
    pa_threaded_mainloop_lock(loop_);
    playing_.push_back(playback);
    if (context_ == nullptr) {
        connectContext(); // the stream opens once the connection is ready
    } else if (pa_context_get_state(context_) == PA_CONTEXT_READY && bufferUs_ != 0) {
        openStream(playback);
    }
    pa_threaded_mainloop_unlock(loop_);
    return playback;
}

bool PulseOutput::whenEnded(const std::shared_ptr<Playback> &playback,
                            std::function<void(Ending)> done) {
    if (loop_ == nullptr)
        return false;
    pa_threaded_mainloop_lock(loop_);
    const bool waiting = !playback->ended;
    if (waiting)
        playback->done = std::move(done);
    pa_threaded_mainloop_unlock(loop_);
    return waiting;
}

Ending PulseOutput::ending(const std::shared_ptr<Playback> &playback) {
    if (loop_ == nullptr)
        return playback->ending;
    pa_threaded_mainloop_lock(loop_);
    const Ending ending = playback->ending;
    pa_threaded_mainloop_unlock(loop_);
    return ending;
}

void PulseOutput::release(const std::shared_ptr<Playback> &playback) {
    if (loop_ == nullptr)
        return;
    pa_threaded_mainloop_lock(loop_);
    playback->done = nullptr;
    end(*playback, Ending::Lost); // nothing if it has ended
    pa_threaded_mainloop_unlock(loop_);
}

void PulseOutput::shutdown() {
    if (loop_ == nullptr)
        return;
    pa_threaded_mainloop_lock(loop_);
    for (const std::shared_ptr<Playback> &playback : std::vector(playing_)) {
        playback->done = nullptr;
        end(*playback, Ending::Lost);
    }
    if (context_ != nullptr) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
        bufferUs_ = 0;
    }
    pa_threaded_mainloop_unlock(loop_);
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
    loop_ = nullptr;
}

// ---- on libpulse's thread, or under its lock --------------------------------------------

void PulseOutput::connectContext() {
    pa_proplist *props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, kApplicationName);
    pa_proplist_sets(props, PA_PROP_APPLICATION_ID, kApplicationId);
    pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, kIconName);
    context_ =
        pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), kApplicationName, props);
    pa_proplist_free(props);
    if (context_ == nullptr) {
        qCWarning(lcSound, "cannot create a libpulse context");
        for (const std::shared_ptr<Playback> &playback : std::vector(playing_))
            end(*playback, Ending::NoServer);
        return;
    }
    pa_context_set_state_callback(
        context_,
        [](pa_context *, void *output) { static_cast<PulseOutput *>(output)->onContextState(); },
        this);
    // No autospawn: without a server of the user's the game is silent, and never starts one.
    // A refusal may already have been told through the state callback, which let it go.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 &&
        context_ != nullptr)
        onContextState();
}

void PulseOutput::onContextState() {
    const pa_context_state_t state = pa_context_get_state(context_);
    if (state == PA_CONTEXT_READY) {
        qCDebug(lcSound, "connected to the sound server %s", pa_context_get_server(context_));
        // The streams wait for the server's name: its buffer depends on it.
        pa_operation *asked = pa_context_get_server_info(
            context_,
            [](pa_context *context, const pa_server_info *info, void *data) {
                auto *self = static_cast<PulseOutput *>(data);
                if (context != self->context_)
                    return; // a connection given up since
                const char *name = info != nullptr ? info->server_name : nullptr;
                self->onServerKnown(name != nullptr && std::strstr(name, "PipeWire") != nullptr);
            },
            this);
        if (asked != nullptr) {
            pa_operation_unref(asked);
        } else {
            onServerKnown(false);
        }
        return;
    }
    if (PA_CONTEXT_IS_GOOD(state))
        return; // still connecting
    // Failed before it was ready: no server. Failed later: the server went away. Either way
    // the next sound connects afresh.
    const bool lost = std::any_of(playing_.begin(), playing_.end(),
                                  [](const auto &playback) { return playback->stream != nullptr; });
    qCDebug(lcSound, "sound server: %s", pa_strerror(pa_context_errno(context_)));
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
    bufferUs_ = 0; // the next server may be the other kind
    for (const std::shared_ptr<Playback> &playback : std::vector(playing_))
        end(*playback, lost ? Ending::Lost : Ending::NoServer);
}

void PulseOutput::onServerKnown(bool pipewire) {
    bufferUs_ = pipewire ? kPipeWireBufferUs : kPulseAudioBufferUs;
    qCDebug(lcSound, "a server buffer of %d ms", int(bufferUs_ / 1000));
    for (const std::shared_ptr<Playback> &playback : std::vector(playing_)) {
        if (playback->stream == nullptr && !playback->ended)
            openStream(playback);
    }
}

void PulseOutput::openStream(const std::shared_ptr<Playback> &playback) {
    Playback &p = *playback;
    pa_proplist *props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, kMediaRole);
    pa_proplist_sets(props, PA_PROP_MEDIA_NAME, p.name.constData());
    p.stream = pa_stream_new_with_proplist(context_, p.name.constData(), &p.format, nullptr, props);
    pa_proplist_free(props);
    if (p.stream == nullptr) {
        qCWarning(lcSound, "the sound server refused a stream for %s: %s", p.name.constData(),
                  pa_strerror(pa_context_errno(context_)));
        end(p, Ending::Lost);
        return;
    }
    pa_stream_set_state_callback(
        p.stream,
        [](pa_stream *stream, void *data) {
            auto &self = *static_cast<Playback *>(data);
            const pa_stream_state_t state = pa_stream_get_state(stream);
            if (state == PA_STREAM_READY) {
                self.output->writeMore(self);
            } else if (!PA_STREAM_IS_GOOD(state)) {
                self.output->end(self, Ending::Lost);
            }
        },
        &p);
    pa_stream_set_write_callback(
        p.stream,
        [](pa_stream *, size_t, void *data) {
            auto &self = *static_cast<Playback *>(data);
            self.output->writeMore(self);
        },
        &p);
    // The whole sound is on the server before it starts, so this is the server falling
    // behind; PipeWire also reports it now and then where no sample was heard missing.
    pa_stream_set_underflow_callback(
        p.stream,
        [](pa_stream *, void *data) {
            const auto &self = *static_cast<Playback *>(data);
            qCDebug(lcSound, "%s: the sound server reports running dry while playing it",
                    self.name.constData());
        },
        &p);

    pa_buffer_attr attr{};
    attr.maxlength = std::uint32_t(-1);
    attr.tlength = std::uint32_t(pa_usec_to_bytes(bufferUs_, &p.format));
    attr.prebuf = std::uint32_t(-1);
    attr.minreq = std::uint32_t(-1);
    attr.fragsize = std::uint32_t(-1);
    if (pa_stream_connect_playback(p.stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0) {
        qCWarning(lcSound, "cannot play %s: %s", p.name.constData(),
                  pa_strerror(pa_context_errno(context_)));
        end(p, Ending::Lost);
    }
}

void PulseOutput::writeMore(Playback &playback) {
    pa_stream *stream = playback.stream;
    if (playback.ended || stream == nullptr || pa_stream_get_state(stream) != PA_STREAM_READY)
        return;
    const auto total = size_t(playback.pcm.samples.size());
    if (playback.written >= total)
        return; // the drain is under way
    // At first the whole sound, as far as the server will hold it (4 MiB by default: 47 s of
    // 44.1 kHz mono, 5 s of 192 kHz stereo), so that a busy machine late to answer the server's
    // requests cannot starve the stream; only longer sounds are fed as the server asks. The
    // first write starts playback.
    const pa_buffer_attr *attr = pa_stream_get_buffer_attr(stream);
    const size_t room = playback.written == 0 && attr != nullptr ? size_t(attr->maxlength)
                                                                 : pa_stream_writable_size(stream);
    const size_t bytes = std::min(total - playback.written, room);
    if (bytes == 0)
        return;
    if (pa_stream_write(stream, playback.pcm.samples.constData() + playback.written, bytes, nullptr,
                        0, PA_SEEK_RELATIVE) < 0) {
        end(playback, Ending::Lost);
        return;
    }
    playback.written += bytes;
    if (playback.written < total)
        return;
    playback.operation = pa_stream_drain(
        stream,
        [](pa_stream *, int ok, void *data) {
            auto &self = *static_cast<Playback *>(data);
            pa_operation_unref(self.operation);
            self.operation = nullptr;
            self.output->onDrained(self, ok != 0);
        },
        &playback);
    if (playback.operation == nullptr)
        end(playback, Ending::Lost);
}

void PulseOutput::onDrained(Playback &playback, bool ok) {
    if (!ok) {
        end(playback, Ending::Lost);
        return;
    }
    // Drained means the last sample went into the sink; the sink's own buffer ahead of it
    // still has to play, and the timing report tells how much that is.
    playback.operation = pa_stream_update_timing_info(
        playback.stream,
        [](pa_stream *, int success, void *data) {
            auto &self = *static_cast<Playback *>(data);
            pa_operation_unref(self.operation);
            self.operation = nullptr;
            if (success != 0) {
                self.output->onTiming(self);
            } else {
                self.output->end(self, Ending::Heard);
            }
        },
        &playback);
    if (playback.operation == nullptr)
        end(playback, Ending::Heard);
}

void PulseOutput::onTiming(Playback &playback) {
    const pa_timing_info *timing = pa_stream_get_timing_info(playback.stream);
    std::int64_t left = 0;
    if (timing != nullptr && timing->read_index_corrupt == 0) {
        left = sinkTailUs(std::int64_t(usecOf(std::int64_t(playback.written), playback.format)),
                          std::int64_t(usecOf(timing->read_index, playback.format)),
                          std::int64_t(timing->transport_usec), std::int64_t(timing->sink_usec));
    }
    if (left == 0) {
        end(playback, Ending::Heard);
        return;
    }
    playback.heardAt = pa_context_rttime_new(
        context_, pa_rtclock_now() + pa_usec_t(left),
        [](pa_mainloop_api *, pa_time_event *, const timeval *, void *data) {
            auto &self = *static_cast<Playback *>(data);
            self.output->end(self, Ending::Heard);
        },
        &playback);
    if (playback.heardAt == nullptr)
        end(playback, Ending::Heard);
}

void PulseOutput::end(Playback &playback, Ending ending) {
    if (playback.ended)
        return;
    playback.ended = true;
    playback.ending = ending;
    if (playback.operation != nullptr) {
        pa_operation_cancel(playback.operation);
        pa_operation_unref(playback.operation);
        playback.operation = nullptr;
    }
    if (playback.heardAt != nullptr) {
        pa_threaded_mainloop_get_api(loop_)->time_free(playback.heardAt);
        playback.heardAt = nullptr;
    }
    if (playback.stream != nullptr) {
        pa_stream_set_state_callback(playback.stream, nullptr, nullptr);
        pa_stream_set_write_callback(playback.stream, nullptr, nullptr);
        pa_stream_set_underflow_callback(playback.stream, nullptr, nullptr);
        if (PA_STREAM_IS_GOOD(pa_stream_get_state(playback.stream)))
            pa_stream_disconnect(playback.stream);
        pa_stream_unref(playback.stream);
        playback.stream = nullptr;
    }
    std::function<void(Ending)> done = std::move(playback.done);
    playback.done = nullptr;
    forget(playback); // may destroy it
    if (done)
        done(ending);
}

void PulseOutput::forget(const Playback &playback) {
    const auto it = std::find_if(playing_.begin(), playing_.end(),
                                 [&](const auto &p) { return p.get() == &playback; });
    if (it != playing_.end())
        playing_.erase(it);
}

} // namespace pipwell::sound

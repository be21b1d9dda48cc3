#pragma once

#include "pcm.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace pipwell::sound {

// How a sound ended.
enum class Ending {
    Heard,    // the sink has played its last sample
    NoServer, // no sound server answered
    Lost,     // the server went away, or refused the stream
};

struct Playback;

/* How long the sink still plays a drained sound, in µs, by a timing report: its length less
   what the sink has played by its own clock (what it read, plus the report's way here, less
   the sink's buffer ahead of playing). 0 within half a millisecond; at most half a second,
   as a server that reports more is not believed. */
std::int64_t sinkTailUs(std::int64_t soundUs, std::int64_t readUs, std::int64_t transportUs,
                        std::int64_t sinkUs);

// The program's one connection to the sound server (PulseAudio, or PipeWire's pulse server),
// driven by libpulse's own thread. It is opened on first use and opened again on the next
// sound after the server went away. Every member is called from one thread at a time, never
// from libpulse's thread.
class PulseOutput {
public:
    static PulseOutput &instance();

    /* Starts the sound and returns at once; name is what the desktop's mixer shows. */
    std::shared_ptr<Playback> start(Pcm pcm, const QString &name);

    /* Calls done, on libpulse's thread, once the sound has ended. Returns false, and never
       calls it, when the sound has ended already. */
    bool whenEnded(const std::shared_ptr<Playback> &playback, std::function<void(Ending)> done);

    /* How the sound ended; valid once it has. */
    Ending ending(const std::shared_ptr<Playback> &playback);

    /* Stops the sound if it still plays. No callback for it runs after this returns. */
    void release(const std::shared_ptr<Playback> &playback);

    /* Ends libpulse's thread and the connection; for a clean exit. */
    void shutdown();

    PulseOutput(const PulseOutput &) = delete;
    PulseOutput &operator=(const PulseOutput &) = delete;

private:
    PulseOutput() = default;
    ~PulseOutput() = default;

    void connectContext();
    void openStream(const std::shared_ptr<Playback> &playback);
    void onContextState();
    void onServerKnown(bool pipewire);
    void writeMore(Playback &playback);
    void onDrained(Playback &playback, bool ok);
    void onTiming(Playback &playback);
    void end(Playback &playback, Ending ending);
    void forget(const Playback &playback);

    pa_threaded_mainloop *loop_ = nullptr;
    pa_context *context_ = nullptr;
    // The server buffer streams ask for; 0 until the connected server has said what it is.
    std::uint64_t bufferUs_ = 0;
    // Sounds that have not ended: waiting for the connection, or playing.
    std::vector<std::shared_ptr<Playback>> playing_;
};

} // namespace pipwell::sound

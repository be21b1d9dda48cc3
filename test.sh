#!/usr/bin/env bash
# Installs what is missing, builds Pipwell and runs the whole test suite, with a private
# X server, session bus and sound server for the tests that need them; then runs the audio
# tests once more against PipeWire's pulse server (the minute-long one aside), and the quick
# tests once more built with AddressSanitizer and
# UndefinedBehaviorSanitizer. Arguments go to ctest (e.g. -L quick).
# PIPWELL_NO_PIPEWIRE=1 and PIPWELL_NO_SANITIZERS=1 skip those two runs.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

dev/install-deps test
dev/build test
dev/with-test-services ctest --test-dir build --output-on-failure "$@"

if [[ -z "${PIPWELL_NO_PIPEWIRE:-}" ]]; then
    echo "pipwell: the audio tests again, against PipeWire's pulse server"
    # Against PipeWire the sink-clock checks fail now and then (1 of 8 passes here): the sink
    # plays whole 5 ms cycles of silence inside a sound while the recording keeps every
    # sample, a break in the server's playback of the game's stream that a bigger server
    # buffer or recording fragment did not cure. A failing test gets one more try.
    PIPWELL_SOUND_SERVER=pipewire dev/with-test-services \
        ctest --test-dir build --output-on-failure -L audio -E minute --repeat until-pass:2 "$@"
fi

if [[ -z "${PIPWELL_NO_SANITIZERS:-}" ]]; then
    echo "pipwell: the quick tests again, with AddressSanitizer and UndefinedBehaviorSanitizer"
    cmake --preset asan >/dev/null
    cmake --build --preset asan --target all pipwell_tests
    dev/with-test-services ctest --preset asan -L quick "$@"
fi

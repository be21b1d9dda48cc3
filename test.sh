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
    PIPWELL_SOUND_SERVER=pipewire dev/with-test-services \
        ctest --test-dir build --output-on-failure -L audio -E minute "$@"
fi

if [[ -z "${PIPWELL_NO_SANITIZERS:-}" ]]; then
    echo "pipwell: the quick tests again, with AddressSanitizer and UndefinedBehaviorSanitizer"
    cmake --preset asan >/dev/null
    cmake --build --preset asan --target all pipwell_tests
    dev/with-test-services ctest --preset asan -L quick "$@"
fi

#!/usr/bin/env bash
# Installs what is missing, builds Pipwell and runs the whole test suite, with a private
# X server, session bus and sound server for the tests that need them; then runs the audio
# tests once more against PipeWire's pulse server (the minute-long one aside), and the quick
# tests once more built with AddressSanitizer and
# UndefinedBehaviorSanitizer. Arguments go to ctest (e.g. -L quick).
# PIPWELL_NO_PIPEWIRE=1 and PIPWELL_NO_SANITIZERS=1 skip those two runs.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

# run_tests <ctest arguments...>: under the test services. In CI (CI=true) this command starts
# every service itself, so a test that skipped for want of one is a failed set-up, not a pass.
run_tests() {
    local report status=0
    report=$(mktemp "${TMPDIR:-/tmp}/pipwell-tests.XXXXXX")
    dev/with-test-services ctest --output-on-failure --output-junit "$report" "$@" || status=$?
    if [[ "${CI:-}" == true ]] && ! dev/report-skips "$report"; then
        status=1
    fi
    rm -f "$report"
    return "$status"
}

dev/install-deps test
dev/build test
run_tests --test-dir build "$@"

if [[ -z "${PIPWELL_NO_PIPEWIRE:-}" ]]; then
    echo "pipwell: the audio tests again, against PipeWire's pulse server"
    PIPWELL_SOUND_SERVER=pipewire run_tests --test-dir build -L audio -E minute "$@"
fi

if [[ -z "${PIPWELL_NO_SANITIZERS:-}" ]]; then
    echo "pipwell: the quick tests again, with AddressSanitizer and UndefinedBehaviorSanitizer"
    cmake --preset asan >/dev/null
    cmake --build --preset asan --target all pipwell_tests
    run_tests --preset asan -L quick "$@"
fi

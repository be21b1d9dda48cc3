#!/usr/bin/env bash
# Installs what is missing, builds Pipwell and runs the whole test suite, with a private
# X server, session bus and sound server for the tests that need them; then runs the quick
# tests (all but the slow ones) once more built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Arguments go to ctest (e.g. -LE slow). PIPWELL_NO_SANITIZERS=1 skips the second run.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

dev/install-deps test
dev/build
dev/with-test-services ctest --test-dir build --output-on-failure "$@"

if [[ -z "${PIPWELL_NO_SANITIZERS:-}" ]]; then
    echo "pipwell: the quick tests again, with AddressSanitizer and UndefinedBehaviorSanitizer"
    cmake --preset asan >/dev/null
    cmake --build --preset asan
    dev/with-test-services ctest --preset asan -LE slow "$@"
fi

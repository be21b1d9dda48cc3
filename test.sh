#!/usr/bin/env bash
# Installs what is missing, builds Pipwell and runs the whole test suite, with a private
# X server, session bus and sound server for the tests that need them.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

dev/install-deps test
dev/build
exec dev/with-test-services ctest --test-dir build --output-on-failure "$@"

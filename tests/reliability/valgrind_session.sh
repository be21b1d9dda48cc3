#!/bin/bash
# Runs the scripted session (tst_session) under valgrind and fails on any memory error or
# any block that is definitely lost. Qt, fontconfig and the platform plugin keep caches until
# the process ends; those show as "still reachable" or "possibly lost" and do not count.
#
#   tests/reliability/valgrind_session.sh build/tests/reliability/tst_session
#
# Exit status: 0 clean, 1 errors or definite leaks, 77 skipped (no valgrind, or a build
# with AddressSanitizer).
set -u

if [ $# -lt 1 ]; then
    echo "usage: $0 path/to/tst_session [test arguments...]" >&2
    exit 2
fi
if ! command -v valgrind >/dev/null; then
    echo "valgrind_session: valgrind is not installed; skipped" >&2
    exit 77
fi

here=$(dirname "$(readlink -f "$0")")
binary=$1
shift
# A build with AddressSanitizer brings its own allocator, which valgrind cannot follow.
if grep -q "__asan_init" "$binary"; then
    echo "valgrind_session: $binary is built with AddressSanitizer; skipped" >&2
    exit 77
fi

# No display and no sound server are needed.
export QT_QPA_PLATFORM=offscreen
export QT_FONT_DPI=96
# glib's slice allocator and Qt's own pools would hide where memory comes from.
export G_SLICE=always-malloc

log=$(mktemp "${TMPDIR:-/tmp}/valgrind_session.XXXXXX")
trap 'rm -f "$log"' EXIT

valgrind --leak-check=full --errors-for-leak-kinds=definite --error-exitcode=1 \
    --show-leak-kinds=definite --num-callers=30 \
    --suppressions="$here/valgrind.supp" \
    --log-file="$log" \
    "$binary" "$@"
status=$?

# The whole report when something is wrong, only the summaries when all is well.
if [ $status -ne 0 ]; then
    cat "$log"
else
    grep -E "ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|still reachable|suppressed:" "$log"
fi
exit $status

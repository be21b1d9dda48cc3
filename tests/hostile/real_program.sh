#!/bin/bash
# The real program, driven from outside like a player does, leaving by each of its three ways
# out: the Exit button, File > Exit, and the close box (WM_DELETE_WINDOW, as a window manager
# sends it). Each time it must end by itself with status 0 and nothing alarming on stderr.
#
#   real_program.sh no-server <pipwell> <wm-delete helper>
#       No sound server at all: the window shows, stays up, and each way out ends it; and
#       once more as on a Wayland desktop.
#   real_program.sh sound <pipwell> <wm-delete helper>
#       Each way out taken while Roll's sound (2 s) plays: the program waits for the sound,
#       then ends, no later than its cut-off (the sound's length plus the slack CTest passes
#       in PIPWELL_CUT_OFF_SLACK_MS) and a busy machine's margin. The window shows only once
#       the intro (1.5 s) has been heard.
#
#   real_program.sh broken-sounds <pipwell> <wm-delete helper>
#       Under strace, in a folder whose intro is random bytes, Roll and New Game are pressed
#       with each kind of broken file as their sounds (random bytes, empty, a FIFO, a folder, a
#       header claiming 2 GiB, a symlink loop): the window shows, the game goes on, Exit ends
#       it, and no descriptor is closed twice (a close failing with EBADF; a second close that
#       succeeds would have closed another thread's file, and the later close of that fails).
#
# Exits 77 (skipped) without an X server, or in the sound modes without a sound server.
set -u

mode=${1:?mode} exe=${2:?pipwell} wm_delete=${3:?wm-delete helper}
# shellcheck source-path=SCRIPTDIR source=../support/lib.sh
. "$(dirname -- "$0")/../support/lib.sh"
need_x

leave() { # leave <route> <window>
    case $1 in
    exit-button) press "$2" cmdQuit ;;
    file-exit) choose "$2" File ;;
    close-box) "$wm_delete" "$2" ;;
    esac
}

# Starts the program; sets pid and window, or fails.
start() { # start <stderr file> <command...>
    local err=$1
    shift
    "$@" 2>"$err" &
    pid=$!
    window=$(find_window "$pid")
    if [ -z "$window" ]; then
        fail "no window appeared: $*"
        # What it was doing instead, for a failure seen only on someone else's machine.
        if kill -0 "$pid" 2>/dev/null; then
            echo "  still running; its windows: $(xdotool search --pid "$pid" 2>/dev/null | tr '\n' ' ')" >&2
            command -v gdb >/dev/null &&
                timeout 30 gdb -p "$pid" -batch -ex "thread apply all bt 12" 2>/dev/null | grep '^#' >&2
        else
            echo "  it had ended" >&2
        fi
        sed 's/^/  stderr: /' "$err" >&2
        stop "$pid"
        pid=""
        return 1
    fi
}

routes=(exit-button file-exit close-box)

case $mode in
no-server)
    for route in "${routes[@]}"; do
        failed_before=$failures
        err="$tmp/$route.err"
        start "$err" env PULSE_SERVER=unix:/nonexistent/pipwell-test/native "$exe" || continue
        sleep 1.5
        if ! kill -0 "$pid" 2>/dev/null; then
            fail "$route: the program ended by itself"
            pid=""
            continue
        fi
        leave "$route" "$window"
        ended_cleanly "$route" "$err" 5
        [ "$failures" -eq "$failed_before" ] && echo "ok: $route without a sound server"
    done
    # A Wayland desktop whose compositor does not answer (XWayland is there): the game goes
    # through X without complaint unless QT_QPA_PLATFORM says otherwise, and that choice is
    # its own: the readme's viewer, started from Help > Instructions, makes its own.
    failed_before=$failures
    err="$tmp/wayland.err"
    stand_in_opener "$tmp/bin" || exit 1
    if start "$err" env -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE \
        WAYLAND_DISPLAY=pipwell-test-none PULSE_SERVER=unix:/nonexistent/pipwell-test/native \
        "PATH=$tmp/bin:$PATH" "PIPWELL_OPENED=$tmp/opened" "$exe"; then
        sleep 1
        # No maximise box: the Motif hints leave out its function (0x10) and decoration (0x40).
        read -r _ functions decorations _ < <(xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
        (((${functions:-0x10} & 0x10) == 0 && (${decorations:-0x40} & 0x40) == 0)) ||
            fail "the window offers a maximise box (Motif hints ${functions:-} ${decorations:-})"
        choose "$window" Help
        if ! wait_filled "$tmp/opened.env"; then
            fail "on a Wayland desktop, Help > Instructions started no viewer"
        elif grep -qx 'QT_QPA_PLATFORM=xcb' "$tmp/opened.env"; then
            fail "on a Wayland desktop, the viewer was started with QT_QPA_PLATFORM=xcb"
        fi
        leave exit-button "$window"
        ended_cleanly "on a Wayland desktop" "$err" 5
        if grep -qi "plugin" "$err"; then
            fail "on a Wayland desktop, stderr says:"
            cat "$err" >&2
        fi
        [ "$failures" -eq "$failed_before" ] &&
            echo "ok: on a Wayland desktop, through X, quietly, and the viewer chooses its own way"
    fi
    ;;
sound)
    need_sound_server
    # With the diagnostics on, as a player finding out why a sound was not heard: the sound
    # threads' messages must not disturb start-up.
    export QT_LOGGING_RULES="pipwell.*.debug=true"
    game="$tmp/game"
    copy_program "$game" "$exe" || exit 1
    sox -n -r 44100 -c 1 -b 16 "$game/roll.wav" synth 2.0 sine 440 vol 0.3 || exit 1
    sox -n -r 44100 -c 1 -b 16 "$game/intro.wav" synth 1.5 sine 660 vol 0.3 || exit 1
    length_ms=2000
    cut_off_ms=$((length_ms + ${PIPWELL_CUT_OFF_SLACK_MS:?set by CTest from the program}))
    busy_machine_margin_ms=1500
    for route in "${routes[@]}"; do
        failed_before=$failures
        err="$tmp/$route.err"
        began=$(now_ms)
        start "$err" "$game/pipwell" || continue
        shown=$(($(now_ms) - began))
        [ "$shown" -ge 1500 ] || fail "$route: the window showed $shown ms after start, during the intro"
        sleep 0.3
        began=$(now_ms)
        press "$window" cmdRoll
        sleep 0.5
        leave "$route" "$window"
        ended_cleanly "$route" "$err" 10 || continue
        took=$(($(now_ms) - began))
        # It waits for the sound, and holds on no longer than its cut-off.
        [ "$took" -ge "$length_ms" ] || fail "$route: ended $took ms after Roll, before its sound ended"
        [ "$took" -le $((cut_off_ms + busy_machine_margin_ms)) ] || fail "$route: ended only $took ms after Roll"
        [ "$failures" -eq "$failed_before" ] && echo "ok: $route during a sound, ended $took ms after Roll"
    done
    ;;
broken-sounds)
    need_sound_server
    command -v strace >/dev/null || {
        echo "SKIP: strace is not installed"
        exit 77
    }
    game="$tmp/game"
    copy_program "$game" "$exe" || exit 1
    kinds=(random empty fifo folder huge loop)
    broken random "$game/intro.wav"
    trace="$tmp/trace" err="$tmp/broken.err"
    # LeakSanitizer cannot work under strace.
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
        strace -f -e trace=openat,close -o "$trace" "$game/pipwell" 2>"$err" &
    pid=$!
    game_pid=$(game_pid "$pid")
    if [ -z "$game_pid" ] || ! window=$(find_window "$game_pid"); then
        fail "no window appeared with a broken intro"
        sed 's/^/  stderr: /' "$err" >&2
        exit 1
    fi
    for kind in "${kinds[@]}"; do
        broken "$kind" "$game/roll.wav"
        broken "$kind" "$game/new.wav"
        press "$window" cmdRoll
        sleep 0.6
        press "$window" cmdReset
        sleep 0.6
        kill -0 "$game_pid" 2>/dev/null || break
    done
    # strace ends with the game's status.
    press "$window" cmdQuit
    ended_cleanly "with broken sounds" "$err" 10
    # Each failed close, named by the file last opened under that number.
    closed_twice=$(/usr/bin/python3 - "$trace" <<'PY'
import re, sys
opened, pending = {}, {}
for line in open(sys.argv[1], errors="replace"):
    tid, _, rest = line.rstrip("\n").partition(" ")
    if rest.endswith("<unfinished ...>"):
        pending[tid] = rest[: -len("<unfinished ...>")]
        continue
    m = re.match(r"<\.\.\. \w+ resumed>(.*)", rest)
    if m:
        rest = pending.pop(tid, "") + m.group(1)
    m = re.match(r'openat\([^,]*, "([^"]*)".*\) += (\d+)', rest)
    if m:
        opened[m.group(2)] = m.group(1)
    m = re.match(r"close\((\d+)\s*\) += -1 EBADF", rest)
    if m:
        print("descriptor %s (last opened for %s) closed twice" % (m.group(1), opened.get(m.group(1), "?")))
PY
)
    [ -z "$closed_twice" ] || fail "$closed_twice"
    for sound in intro roll new; do
        grep -q "openat(.*$sound.wav" "$trace" || fail "$sound.wav was never opened: the trace proves nothing"
    done
    [ "$failures" -eq 0 ] && echo "ok: every kind of broken sound, no descriptor closed twice"
    ;;
*)
    echo "unknown mode: $mode" >&2
    exit 2
    ;;
esac

[ "$failures" -eq 0 ]

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
# Exits 77 (skipped) without an X server, or in the sound mode without a sound server.
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
*)
    echo "unknown mode: $mode" >&2
    exit 2
    ;;
esac

[ "$failures" -eq 0 ]

# Shared by the scripts that run the real program from outside; under an X server, with no
# window manager, its window stands at 0,0 and the positions below are those of the window.
# A script gets a temporary folder ($tmp); the program it started ($pid) and the folder are
# gone when it exits.
# shellcheck shell=bash disable=SC2034  # the variables are for the scripts that source this

form="$(dirname -- "${BASH_SOURCE[0]}")/../../src/window/frmmain.ui"

# Messages that point at a fault while the program runs or ends.
FAULTS='destroyed while|QObject|Assertion|ASSERT|Sanitizer|runtime error|terminate called|QThread|main\(\) thread'

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

need_x() {
    if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null || ! xdotool getdisplaygeometry >/dev/null 2>&1; then
        echo "SKIP: needs an X server and xdotool (run under dev/with-test-services)"
        exit 77
    fi
}

need_sound_server() {
    if ! pactl info >/dev/null 2>&1; then
        echo "SKIP: needs a sound server (run under dev/with-test-services)"
        exit 77
    fi
}

# copy_program <folder> <pipwell executable>: the program folder as installed, beside the sounds
# and the readme.
copy_program() {
    local to=$1 exe=$2 from
    from=$(dirname -- "$exe")
    mkdir -p -- "$to" &&
        cp -- "$exe" "$to/pipwell" &&
        cp -- "$from"/{intro,new,roll,click,tada,applause}.wav "$from/readme.txt" "$to/"
}

# broken <kind> <file>: in place of <file>, one kind of file that is no sound: random, empty,
# fifo, folder, huge (a WAV header claiming 2 GiB of data over 44 bytes) or loop (a symlink to
# itself).
broken() {
    rm -rf -- "$2"
    case $1 in
    random) head -c 4096 /dev/urandom >"$2" ;;
    empty) : >"$2" ;;
    fifo) mkfifo -- "$2" ;;
    folder) mkdir -- "$2" ;;
    huge) printf 'RIFF\xf8\xff\xff\x7fWAVEfmt \x10\0\0\0\1\0\1\0\x44\xac\0\0\x88\x58\1\0\2\0\x10\0data\xd4\xff\xff\x7f' >"$2" ;;
    loop) ln -s -- "$(basename -- "$2")" "$2" ;;
    esac
}

# game_pid <pid>: the game itself, when <pid> is a program that started it (strace).
game_pid() {
    local i child
    for ((i = 0; i < 100; i++)); do
        child=$(pgrep -P "$1" -x pipwell | head -n1)
        [ -n "$child" ] && echo "$child" && return 0
        sleep 0.05
    done
    return 1
}

# find_window <pid>: the game's window, once it shows; empty once the process has ended, or
# after 30 s without one (longer than the 25 s a D-Bus call at start-up may wait). Each look
# is a search of its own, and a failed one is simply tried again: a search that meets a window
# closing under it dies of X's BadWindow error and finds nothing (1 search in 26 while other
# windows came and went).
find_window() {
    local window deadline=$((SECONDS + 30))
    while ((SECONDS < deadline)); do
        window=$(xdotool search --onlyvisible --all --pid "$1" --name '^Pipwell$' 2>/dev/null | head -n1)
        if [ -n "$window" ]; then
            echo "$window"
            return 0
        fi
        kill -0 "$1" 2>/dev/null || return 1
        sleep 0.2
    done
    return 1
}

# press <window> <object name>: clicks the middle of one of the form's controls. Its place is
# read from the form, below the menu bar, which is as high as the font makes it: the window's
# height less the form's.
press() {
    local height where
    height=$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p')
    where=$(/usr/bin/python3 -c '
import sys, xml.etree.ElementTree as ET
central = ET.parse(sys.argv[1]).find(".//widget[@name=\"centralwidget\"]")
def middle(parent, x, y):
    for w in parent.findall("widget"):
        r = [int(w.findtext("property[@name=\"geometry\"]/rect/" + k, "0"))
             for k in ("x", "y", "width", "height")]
        if w.get("name") == sys.argv[2]:
            return "%d %d" % (x + r[0] + r[2] // 2, y + r[1] + r[3] // 2)
        found = middle(w, x + r[0], y + r[1])
        if found:
            return found
print(middle(central, 0, int(sys.argv[3]) - int(central.findtext("property[@name=\"minimumSize\"]/size/height"))))
' "$form" "$2" "$height") || return 1
    # shellcheck disable=SC2086  # x and y
    xdotool mousemove --window "$1" $where click 1
}

# choose <window> <File|Help>: takes the menu's first item that can be chosen (File: Exit, as
# Reset Stats is unavailable; Help: Instructions). From the keyboard, as the font decides where
# the menus' titles stand: Alt goes to the menu bar, Down opens File, Left goes round to Help.
choose() {
    xdotool mousemove --window "$1" 0 0 key alt Down
    sleep 0.3
    if [ "$2" = Help ]; then
        xdotool key Left
        sleep 0.3
    fi
    xdotool key Return
}

# stand_in_opener <folder>: an xdg-open there, for the desktop's opener, that records its
# arguments one a line in $PIPWELL_OPENED and its environment in $PIPWELL_OPENED.env. Qt starts
# it directly, without a shell.
stand_in_opener() {
    mkdir -p -- "$1" && cat >"$1/xdg-open" <<'EOF' && chmod +x "$1/xdg-open"
#!/bin/sh
env >"$PIPWELL_OPENED.env"
for arg in "$@"; do printf '%s\n' "$arg"; done >>"$PIPWELL_OPENED"
EOF
}

# wait_filled <file>: true once the file has something in it, within 5 s.
wait_filled() {
    local i
    for ((i = 0; i < 100; i++)); do
        [ -s "$1" ] && return 0
        sleep 0.05
    done
    return 1
}

# Milliseconds since the epoch.
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# wait_gone <pid> <seconds>: true once the process has ended.
wait_gone() {
    local i
    for ((i = 0; i < $2 * 20; i++)); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.05
    done
    return 1
}

# stop <pid>: ends a program that is still running, by its pid.
stop() {
    if kill "$1" 2>/dev/null && ! wait_gone "$1" 5; then
        kill -9 "$1" 2>/dev/null
    fi
    wait "$1" 2>/dev/null
}

# ended_cleanly <what> <stderr file> <seconds>: waits for $pid to end by itself, with status 0
# and nothing alarming on stderr.
ended_cleanly() {
    local status
    if ! wait_gone "$pid" "$3"; then
        fail "$1: still running $3 s after leaving"
        stop "$pid"
        pid=""
        return 1
    fi
    wait "$pid"
    status=$?
    pid=""
    [ "$status" -eq 0 ] || fail "$1: exit status $status"
    if grep -Eq "$FAULTS" "$2"; then
        fail "$1: stderr says:"
        cat "$2" >&2
    fi
}

tmp=$(mktemp -d "${TMPDIR:-/tmp}/pipwell-test.XXXXXX") || exit 1
pid=""
cleanup() {
    [ -n "$pid" ] && stop "$pid"
    rm -rf -- "$tmp"
}
trap cleanup EXIT

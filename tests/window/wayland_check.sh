#!/bin/bash
# The real program on Qt's Wayland platform, under weston's headless compositor at output
# scale 2: the window shows under the desktop file's id, its tile pictures are drawn pixel for
# pixel at 2x (read from weston's own screenshot), and Exit, pressed through AT-SPI as there is
# no input device, ends it with status 0. Then started as a Wayland session starts it, with no
# platform named and no X server: it chooses Wayland itself, by what this Qt says of its plugins.
#
#   wayland_check.sh <pipwell> <find_tiles> <pictures folder>
#
# Exits 77 (skipped) where weston cannot start, or without a session bus and pyatspi.
set -u

exe=${1:?pipwell} find_tiles=${2:?find_tiles} pictures=${3:?pictures folder}
# shellcheck source-path=SCRIPTDIR source=../support/lib.sh
. "$(dirname -- "$0")/../support/lib.sh"

skip() {
    echo "SKIP: $*"
    exit 77
}
if ! command -v weston >/dev/null || ! command -v weston-screenshooter >/dev/null; then
    skip "needs weston"
fi
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    skip "needs a session bus and pyatspi (run under dev/with-test-services)"
fi

export XDG_RUNTIME_DIR="$tmp/runtime" WAYLAND_DISPLAY=pipwell-test
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket=$WAYLAND_DISPLAY
# The pixman renderer, as the default one cannot take screenshots; --debug allows them.
weston --backend=headless-backend.so --use-pixman --scale=2 --width=800 --height=500 \
    --socket="$socket" --idle-time=0 --debug >"$tmp/weston.log" 2>&1 &
weston_pid=$!
trap 'stop "$weston_pid"; cleanup' EXIT
for ((i = 0; i < 100; i++)); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || skip "weston did not start: $(tail -n 3 "$tmp/weston.log")"

# The Exit button, pressed as a screen reader's user does.
press_exit() {
    /usr/bin/python3 - <<'PY'
import sys, time
import pyatspi

def walk(node, depth=0):
    yield node
    for i in range(node.childCount if depth < 30 else 0):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)

deadline = time.monotonic() + 20
while time.monotonic() < deadline:
    desktop = pyatspi.Registry.getDesktop(0)
    for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
        if app is not None and (app.name or "").lower() == "pipwell":
            for node in walk(app):
                if node.name == "Exit" and node.getRole() == pyatspi.ROLE_PUSH_BUTTON:
                    node.queryAction().doAction(0)
                    sys.exit(0)
    time.sleep(0.2)
sys.exit(1)
PY
}

# Silent, so the window does not wait for the intro; WAYLAND_DEBUG shows the app id it sent.
err="$tmp/game.err"
env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 PULSE_SERVER=unix:/nonexistent/pipwell-test/native \
    "$exe" 2>"$err" &
pid=$!

found=""
for ((i = 0; i < 20; i++)); do
    sleep 1
    kill -0 "$pid" 2>/dev/null || break
    rm -f "$tmp"/wayland-screenshot-*.png
    (cd "$tmp" && timeout 10 weston-screenshooter) >/dev/null 2>&1 || continue
    if "$find_tiles" "$tmp"/wayland-screenshot-*.png 2 "$pictures" >"$tmp/found"; then
        found=1
        break
    fi
done
if [ -n "$found" ]; then
    echo "ok: the tile pictures are drawn at 2x"
else
    fail "the tile pictures never showed at 2x: $(cat "$tmp/found" 2>/dev/null)"
fi
grep -q 'set_app_id("org.example.Pipwell")' "$err" ||
    fail "the window's app id is not the desktop file's"

press_exit || fail "Exit could not be pressed through AT-SPI"
ended_cleanly "on Wayland" "$err" 5

err="$tmp/session.err"
env -u DISPLAY -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE \
    QT_LOGGING_RULES="pipwell.window.debug=true" WAYLAND_DEBUG=client \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 PULSE_SERVER=unix:/nonexistent/pipwell-test/native \
    "$exe" 2>"$err" &
pid=$!
press_exit || fail "in a Wayland session: Exit could not be pressed through AT-SPI"
ended_cleanly "in a Wayland session" "$err" 5
grep -q 'showing the window through wayland' "$err" ||
    fail "in a Wayland session the game did not choose Wayland: $(grep -m1 pipwell.window "$err")"
grep -q 'set_app_id("org.example.Pipwell")' "$err" ||
    fail "in a Wayland session the window never reached the compositor"
[ "$failures" -eq 0 ]

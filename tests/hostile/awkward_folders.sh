#!/bin/bash
# The program folder copied to places with awkward names: spaces, non-ASCII letters, both
# kinds of quotes, shell command substitutions, and started once through a PATH entry with
# a trailing separator. In each place the program must find its own sounds (strace shows it
# opening that folder's intro.wav, and no sound from anywhere else), Help > Instructions must
# hand that folder's readme.txt to the desktop (a stand-in xdg-open records what it got),
# Exit must end it with status 0, and nothing in a folder's name may ever run.
#
#   awkward_folders.sh <pipwell>
#
# Needs an X server (for the menus) and a sound server (without one the program never
# opens a sound file); exits 77 (skipped) without them.
set -u

exe=${1:?pipwell}
# shellcheck source-path=SCRIPTDIR source=../support/lib.sh
. "$(dirname -- "$0")/../support/lib.sh"
need_x
need_sound_server
command -v strace >/dev/null || {
    echo "SKIP: strace is not installed"
    exit 77
}
python=/usr/bin/python3

marker="$tmp/pwned"

# The desktop's opener, first in PATH.
stand_in_opener "$tmp/bin" || exit 1

places=(
    "with spaces/and  two  spaces"
    "café Straße 漢字"
    "it's a \"quoted\" place"
    "\$(touch $marker)"
    "\`touch $marker\`"
    "trailing separator"
)

# The check for a command that ran is worth something only if the names really would run
# one when handed to a shell.
for place in "${places[@]}"; do
    (eval ": \"$place\"") 2>/dev/null
done
if [ -e "$marker" ]; then
    rm -f -- "$marker"
else
    fail "the folder names would run nothing in a shell; the check below proves nothing"
fi

# Paths in strace's hex output (-xx) that were opened successfully, one per line, as given.
opened_paths() {
    "$python" - "$1" <<'EOF'
import re, sys
for line in open(sys.argv[1], encoding="ascii", errors="replace"):
    m = re.search(r'openat\([^,]*, "((?:\\x[0-9a-f]{2})*)".*= (\d+)', line)
    if m:
        raw = bytes.fromhex(m.group(1).replace("\\x", ""))
        sys.stdout.buffer.write(raw + b"\n")
EOF
}

# The local path of a file URL, or nothing.
url_path() {
    "$python" -c 'import sys, urllib.parse as u
p = u.urlsplit(sys.argv[1])
if p.scheme == "file" and p.netloc == "":
    sys.stdout.buffer.write(u.unquote_to_bytes(p.path))' "$1"
}

# LeakSanitizer cannot work under strace; real_program.sh runs the program untraced.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

n=0
for place in "${places[@]}"; do
    n=$((n + 1))
    failed_before=$failures
    dir="$tmp/places/$place"
    copy_program "$dir" "$exe" || {
        fail "could not copy the program to $dir"
        continue
    }
    trace="$tmp/trace-$n" opened="$tmp/opened-$n" err="$tmp/err-$n"
    if [ "$place" = "trailing separator" ]; then
        run=(env "PATH=$tmp/bin:$dir/:$PATH" "PIPWELL_OPENED=$opened"
             strace -f -z -xx -s 4096 -e trace=openat -o "$trace" pipwell)
    else
        run=(env "PATH=$tmp/bin:$PATH" "PIPWELL_OPENED=$opened"
             strace -f -z -xx -s 4096 -e trace=openat -o "$trace" "$dir/pipwell")
    fi
    # Elsewhere, so that nothing is found by looking in the current folder.
    (cd "$tmp" && exec "${run[@]}") 2>"$err" &
    pid=$!
    game=$(game_pid "$pid")
    window=$(find_window "$game")
    if [ -z "$window" ]; then
        fail "$place: no window"
        stop "$pid"
        pid=""
        [ -n "$game" ] && stop "$game"
        continue
    fi
    sleep 0.3
    choose "$window" Help
    wait_filled "$opened"
    sleep 0.2 # an opener started twice would show by now
    press "$window" cmdQuit
    if ! ended_cleanly "$place" "$err" 10; then
        stop "$game" # ending the tracer lets the game go on without it
        continue
    fi

    # Its own intro, and no sound from anywhere else.
    opens=$(opened_paths "$trace")
    grep -qxF -- "$dir/intro.wav" <<<"$opens" || fail "$place: $dir/intro.wav was not opened"
    others=$(grep -E '\.wav$' <<<"$opens" | grep -vF -- "$dir/")
    [ -z "$others" ] || fail "$place: sounds opened elsewhere: $others"

    # That folder's readme, handed over once.
    if [ ! -s "$opened" ]; then
        fail "$place: Help > Instructions handed nothing to the desktop"
    else
        lines=$(wc -l <"$opened")
        [ "$lines" -eq 1 ] || fail "$place: the desktop was handed $lines arguments: $(cat "$opened")"
        got=$(url_path "$(head -n1 "$opened")")
        [ "$got" = "$dir/readme.txt" ] || fail "$place: the desktop was handed $(head -n1 "$opened")"
    fi
    [ -e "$marker" ] && fail "$place: a command in a folder name ran"
    [ "$failures" -eq "$failed_before" ] && echo "ok: $place"
done

[ -e "$marker" ] && fail "a command in a folder name ran"
[ "$failures" -eq 0 ]

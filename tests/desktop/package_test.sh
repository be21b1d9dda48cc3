#!/usr/bin/env bash
# Builds the Debian package from a finished build tree and checks what a user would get:
# the files and their modes, the dependencies, that the unpacked program starts through
# its /usr/bin link, and that lintian finds no errors.
# Usage: PIPWELL_LANGUAGES="de fr ..." package_test.sh BUILD_DIR
set -uo pipefail

build=$(cd "${1:?usage: package_test.sh BUILD_DIR}" && pwd) || exit 1
# shellcheck source-path=SCRIPTDIR source=../support/lib.sh
. "$(dirname -- "$0")/../support/lib.sh"
trap 'exit 1' INT TERM

for tool in dpkg-deb dpkg lintian timeout; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done
[[ -f "$build/CPackConfig.cmake" ]] || { echo "FAIL: $build has no CPackConfig.cmake"; exit 1; }

# The cpack that belongs to the cmake which configured the tree.
cmake_bin=$(sed -n 's/^CMAKE_COMMAND:INTERNAL=//p' "$build/CMakeCache.txt")
cpack="$(dirname "$cmake_bin")/cpack"
[[ -x "$cpack" ]] || cpack=$(command -v cpack) || { echo "FAIL: cpack not found"; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ -n "$version" ]] || { echo "FAIL: no project version in $build/CMakeCache.txt"; exit 1; }
arch=$(dpkg --print-architecture)

# Packages go to a folder of our own, so the build tree is left as it was.
echo "== cpack"
if ! (cd "$build" && timeout 300 "$cpack" -G DEB -B "$tmp/out" --config "$build/CPackConfig.cmake") \
        >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log"
    echo "FAIL: cpack failed"
    exit 1
fi
debs=("$tmp"/out/*.deb)
deb="$tmp/out/pipwell_${version}_${arch}.deb"
if [[ ${#debs[@]} -ne 1 || "${debs[0]}" != "$deb" ]]; then
    echo "FAIL: expected exactly $(basename "$deb"), cpack made: ${debs[*]##*/}"
    exit 1
fi

echo "== contents"
dpkg-deb -c "$deb" >"$tmp/contents" || { echo "FAIL: dpkg-deb cannot list $deb"; exit 1; }
# "mode path" per entry, with links as "mode path -> target".
awk '{ $2 = $3 = $4 = $5 = ""; print }' "$tmp/contents" | sed -E 's/ +/ /g; s/^([^ ]+) \.\//\1 /' \
    >"$tmp/entries"
has_entry() { grep -qxF -- "$1" "$tmp/entries" || fail "package lacks: $1"; }

has_entry "lrwxrwxrwx usr/bin/pipwell -> ../lib/pipwell/pipwell"
has_entry "-rwxr-xr-x usr/lib/pipwell/pipwell"
for name in intro new roll click tada applause; do
    has_entry "-rw-r--r-- usr/lib/pipwell/$name.wav"
done
has_entry "-rw-r--r-- usr/lib/pipwell/readme.txt"
for language in ${PIPWELL_LANGUAGES:?the languages from src/translations/languages.txt}; do
    has_entry "-rw-r--r-- usr/lib/pipwell/readme.$language.txt"
done
has_entry "-rw-r--r-- usr/share/applications/org.example.Pipwell.desktop"
has_entry "-rw-r--r-- usr/share/metainfo/org.example.Pipwell.metainfo.xml"
has_entry "-rw-r--r-- usr/share/doc/pipwell/copyright"
has_entry "-rw-r--r-- usr/share/doc/pipwell/changelog.gz"
has_entry "-rw-r--r-- usr/share/man/man6/pipwell.6.gz"
for size in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
    has_entry "-rw-r--r-- usr/share/icons/hicolor/$size/apps/org.example.Pipwell.png"
done
has_entry "-rw-r--r-- usr/share/icons/hicolor/scalable/apps/org.example.Pipwell.svg"
# Anything else must have the usual modes; an executable elsewhere (a test program, a
# benchmark) or a directory only root can read would show up here.
odd=$(grep -vE '^(drwxr-xr-x [^ ]+/|-rw-r--r-- [^ ]+|-rwxr-xr-x usr/lib/pipwell/pipwell|lrwxrwxrwx [^ ]+ -> [^ ]+)$' \
      "$tmp/entries")
[[ -z "$odd" ]] || fail "unexpected entries or modes:"$'\n'"$odd"

echo "== control"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for pkg in libqt6widgets6 libpulse0 libsndfile1 fonts-dejavu-core; do
    # A whole name in the comma-separated list, with or without a version.
    grep -qE "(^|, )$pkg( \(|,|$)" <<<"$depends" || fail "Depends lacks $pkg"
done
# Sound goes straight to the sound server; Qt Multimedia is no longer used.
grep -q multimedia <<<"$depends" && fail "Depends still names Qt Multimedia"
grep -qE "(^|, )qt6-wayland(,|$)" <<<"$(dpkg-deb -f "$deb" Recommends)" ||
    fail "Recommends lacks qt6-wayland"
[[ $(dpkg-deb -f "$deb" Package) == pipwell ]] || fail "Package is not pipwell"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "Version is not $version"
[[ $(dpkg-deb -f "$deb" Section) == games ]] || fail "Section is not games"

echo "== start the unpacked program"
root="$tmp/root"
dpkg -x "$deb" "$root" || { echo "FAIL: dpkg -x failed"; exit 1; }
runtime="$tmp/runtime"
mkdir -m 700 "$runtime"
# Through the link, as from PATH; offscreen, so the window comes up without a display.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" \
    HOME="$tmp" "$root/usr/bin/pipwell" >"$tmp/app.log" 2>&1 &
pid=$!
sleep 0.5
# The link must lead to the unpacked program, not to one installed elsewhere.
exe=$(readlink "/proc/$pid/exe" 2>/dev/null)
if kill -0 "$pid" 2>/dev/null && [[ "$exe" != "$root/usr/lib/pipwell/pipwell" ]]; then
    fail "the running program is ${exe:-unknown}, not $root/usr/lib/pipwell/pipwell"
fi
for _ in $(seq 25); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    stop "$pid"
    pid=""
else
    wait "$pid"
    status=$?
    pid=""
    cat "$tmp/app.log"
    fail "the unpacked program ended by itself within 3 s (exit status $status)"
fi

echo "== lintian"
timeout 300 lintian --tag-display-limit 0 "$deb" >"$tmp/lintian.log" 2>&1
lintian_status=$?
cat "$tmp/lintian.log"
if grep -q '^E:' "$tmp/lintian.log"; then
    fail "lintian reports errors"
elif [[ $lintian_status -ne 0 ]]; then
    fail "lintian did not run (exit status $lintian_status)"
fi

if [[ $failures -ne 0 ]]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "package $(basename "$deb") is complete"

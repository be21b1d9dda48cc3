#!/usr/bin/env bash
# Installs what is missing, builds Pipwell and starts it on this desktop.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "pipwell: no desktop display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session" >&2
    exit 1
fi
dev/install-deps game
dev/build
exec build/pipwell

#!/usr/bin/env bash
# Runs the program on a scratch copy of the sample competition, so the example stays clean.
set -euo pipefail
build=${1:-build}
scratch="$(pwd)/scratch"
mkdir -p "$scratch"
cp -n examples/*.stu "$scratch"/ 2>/dev/null || true
if [ -x "$build/src/app/tavorin" ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        echo "No display: start one (for example: xvfb-run make run) or set QT_QPA_PLATFORM." >&2
        exit 1
    fi
    exec "$build/src/app/tavorin" "$scratch"
fi
for f in "$scratch"/*.stu; do
    "$build/tavorin-cli" export "$f"
done

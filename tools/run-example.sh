#!/usr/bin/env bash
# Runs the desktop program on a scratch copy of the sample competition, so the example stays
# clean. The scratch folder is kept between runs: a studio created there is reopened next time.
set -euo pipefail
build=${1:-build}
scratch="$(pwd)/scratch"
mkdir -p "$scratch"
cp -n examples/*.stu "$scratch"/ 2>/dev/null || true
program="$build/tavorin"
if [ ! -x "$program" ]; then
    echo "The desktop program was not built ($program is missing)." >&2
    exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<'TEXT'
No display to show the program on. Either
  - run it inside a desktop session (or over ssh -X), or
  - show it in a VNC viewer:   QT_QPA_PLATFORM=vnc:size=1024x768 make run
    (then connect a VNC viewer to this machine, port 5900), or
  - run it on a virtual display without seeing it:   xvfb-run -a make run
TEXT
    exit 1
fi
echo "Tavorin on $scratch"
exec "$program" "$scratch"

#!/usr/bin/env bash
# Plays a studio's six steps on screen, slowly enough to watch, and keeps a picture of each
# step in demo/. Without a display the walk runs on a virtual one (xvfb-run).
set -euo pipefail
build=${1:-build}
walk="$build/tests/gui/gui_StudioWalkTest"
if [ ! -x "$walk" ]; then
    echo "The walk was not built ($walk is missing): it needs BUILD_TESTING and TAVORIN_GUI on." >&2
    exit 1
fi
out="$(pwd)/demo"
rm -rf "$out"
mkdir -p "$out"
export TAVORIN_WALK_PAUSE_MS="${TAVORIN_WALK_PAUSE_MS:-800}"
export TAVORIN_SCREENSHOT_DIR="$out"
run=("$walk" -silent)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display: the walk runs on a virtual one, to be seen in the pictures only."
    run=(xvfb-run -a -s "-screen 0 1280x1024x24" "${run[@]}")
fi
"${run[@]}"
echo "Pictures of the steps: $out"

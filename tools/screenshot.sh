#!/usr/bin/env bash
# Takes docs/screenshot.png: the main window after a query, on a 96 dpi X server.
#   tools/screenshot.sh [PROGRAM]     (needs xvfb, xdotool, imagemagick)
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/src/cpugpurank}
if [ -z "${DISPLAY:-}" ]; then
    exec tests/with_xvfb.sh "$0" "$program"
fi
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
window=$(xdotool search --sync --pid $pid --name 'V0')
sleep 0.5
# the 主 field sits at (40, 94) in the window; type there and press Alt+S
xdotool mousemove --window "$window" 100 94 click 1
xdotool type --delay 20 'i7-9'
xdotool key alt+s
sleep 1
import -window "$window" docs/screenshot.png
echo "wrote docs/screenshot.png"

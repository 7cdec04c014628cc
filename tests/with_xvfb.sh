#!/usr/bin/env bash
# Runs a command on its own Xvfb server at 96 dpi. Xvfb picks a free display itself
# (-displayfd), so parallel and back-to-back runs never meet on one display; -noreset
# keeps it from restarting (and refusing connections) whenever its last client leaves.
#   [XVFB_SCREEN=WxH] with_xvfb.sh COMMAND [ARGS...]    (1024x768 unless told)
set -u
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768}x24" -dpi 96 -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/log" &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 100); do
    [ -s "$dir/display" ] && break
    kill -0 $server 2>/dev/null || { cat "$dir/log"; echo "Xvfb did not start"; exit 1; }
    sleep 0.05
done
[ -s "$dir/display" ] || { echo "Xvfb gave no display"; exit 1; }
export DISPLAY=:$(tr -d '\n' <"$dir/display")
unset XAUTHORITY
"$@"

#!/usr/bin/env bash
# The program on a small or densely scaled screen: the main window and the notebook picture
# window lie wholly within the screen, their bottom buttons in reach.
#   fits_screen.sh PROGRAM WxH [SCALE]    (on an X server of that size: tests/with_xvfb.sh)
set -u
program=$1 screen=$2 scale=${3:-}
. "$(dirname "$0")/../../x_helpers.sh"
private_runtime_dir
export QT_QPA_PLATFORM=xcb
[ -n "$scale" ] && export QT_SCALE_FACTOR=$scale
pids=()
cleanup() { kill -9 "${pids[@]}" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
within() { # WINDOW NAME: its whole rectangle on the screen
    local x y w h
    eval "$(xdotool getwindowgeometry --shell "$1")"
    x=$X y=$Y w=$WIDTH h=$HEIGHT
    echo "$2: ${w}x${h} at $x,$y on $screen${scale:+ at $scale}"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "${screen%x*}" ] && [ $((y + h)) -le "${screen#*x}" ] \
        || fail "$2 (${w}x${h} at $x,$y) reaches beyond the $screen screen"
}
"$program" & pids+=($!)
# the copy that shows the window may be a new one, started at a scale that fits
main=$(visible_window '^CPU/GPU性能天梯查询工具 V0\.99b4$') || fail "no main window"
pids+=("$(xdotool getwindowpid "$main")") # only our own copies end with the test
within "$main" "the main window"
xdotool windowfocus --sync "$main" key --clearmodifiers alt+n
notebook=$(visible_window '^作者的ThinkPADP53$') || fail "Alt+N opened no notebook window"
within "$notebook" "the notebook window"
echo "1 passed, 0 failed"

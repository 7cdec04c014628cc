#!/usr/bin/env bash
# The program on a small or densely scaled screen: the main window and the notebook picture
# window lie wholly within the screen, their bottom buttons in reach; the main window is as
# wide as the largest scale that fits gives; and the browser it starts sees none of the
# fitting (the user's own QT_SCALE_FACTOR, no variable of ours).
#   fits_screen.sh PROGRAM WxH SCALE|- MIN-MAX    (on an X server of that size: tests/with_xvfb.sh)
#   MIN-MAX: the main window's width in pixels, as the fitted scale makes it
set -u
program=$1 screen=$2 scale=$3 width=$4
. "$(dirname "$0")/../../x_helpers.sh"
private_runtime_dir
export QT_QPA_PLATFORM=xcb
[ "$scale" != - ] && export QT_SCALE_FACTOR=$scale
# the browser: a stand-in that writes down what it was started with
mkdir -p "$XDG_RUNTIME_DIR/bin"
cat >"$XDG_RUNTIME_DIR/bin/xdg-open" <<SCRIPT
#!/bin/sh
env >"$XDG_RUNTIME_DIR/browser.env.part" && mv "$XDG_RUNTIME_DIR/browser.env.part" "$XDG_RUNTIME_DIR/browser.env"
SCRIPT
chmod +x "$XDG_RUNTIME_DIR/bin/xdg-open"
export PATH=$XDG_RUNTIME_DIR/bin:$PATH
pids=()
cleanup() { kill -9 "${pids[@]}" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
within() { # WINDOW NAME: its whole rectangle on the screen
    local x y w h
    eval "$(xdotool getwindowgeometry --shell "$1")"
    x=$X y=$Y w=$WIDTH h=$HEIGHT
    echo "$2: ${w}x${h} at $x,$y on $screen${QT_SCALE_FACTOR:+ at $QT_SCALE_FACTOR}"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "${screen%x*}" ] && [ $((y + h)) -le "${screen#*x}" ] \
        || fail "$2 (${w}x${h} at $x,$y) reaches beyond the $screen screen"
}
"$program" & pids+=($!)
# the copy that shows the window may be a new one, started at a scale that fits
main=$(visible_window '^CPU/GPU性能天梯查询工具 V0\.99b4$') || fail "no main window"
pids+=("$(xdotool getwindowpid "$main")") # only our own copies end with the test
within "$main" "the main window"
[ "$WIDTH" -ge "${width%-*}" ] && [ "$WIDTH" -le "${width#*-}" ] \
    || fail "the main window is $WIDTH px wide, not $width: not the largest scale that fits"
focus "$main" || fail "the main window did not take the focus"
xdotool key --clearmodifiers alt+n
notebook=$(visible_window '^作者的ThinkPADP53$') || fail "Alt+N opened no notebook window"
within "$notebook" "the notebook window"
xdotool key --clearmodifiers Escape
# 检查更新U, answered 是Y: the browser starts
focus "$main" || fail "the main window did not take the focus back"
xdotool key --clearmodifiers alt+u
prompt=$(visible_window '^系统提示$') || fail "Alt+U showed no update prompt"
focus "$prompt" || fail "the update prompt did not take the focus"
xdotool key --clearmodifiers alt+y
until_true 30 test -f "$XDG_RUNTIME_DIR/browser.env" || fail "the update prompt's Yes started no browser"
grep '^CPUGPURANK_' "$XDG_RUNTIME_DIR/browser.env" && fail "the browser was started with the program's own variables"
seen=$(sed -n 's/^QT_SCALE_FACTOR=//p' "$XDG_RUNTIME_DIR/browser.env")
[ "$seen" = "${QT_SCALE_FACTOR:-}" ] || fail "the browser got QT_SCALE_FACTOR=$seen, not the user's ${QT_SCALE_FACTOR:-(none)}"
echo "1 passed, 0 failed"

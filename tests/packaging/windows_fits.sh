#!/usr/bin/env bash
# The portable zip under Wine on a 1920 x 1080 screen at 144 dpi (150 %, as on many laptops):
# the main window, title bar included, lies wholly within the screen, shown by the copy
# that was started: the scale is fitted before start, not by starting again.
#   windows_fits.sh ZIP WINE64     (on a 1920x1080 X server: XVFB_SCREEN=1920x1080 tests/with_xvfb.sh)
set -u
zip=$1 wine64=$2
. "$(dirname "$0")/../x_helpers.sh"
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH
wineserver=$(dirname "$wine64")/wineserver
cleanup() { "$wineserver" -k 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
(cd "$work" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
exe=$(find "$work" -name cpugpurank.exe | head -n1)
"$wine64" wineboot --init >/dev/null 2>&1
"$wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
"$wine64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
"$wineserver" -w
"$wine64" "$exe" & pid=$!
main=$(visible_window '^CPU/GPU性能天梯查询工具 V0\.99b4$') || fail "no main window"
[ "$(xdotool getwindowpid "$main")" = "$pid" ] || fail "the window is another process's: the program started itself again"
# the first size a window maps with may not be its last: wait until it holds still
last= still=0
settled() {
    local now
    now=$(xdotool getwindowgeometry "$main" 2>/dev/null | tr -d '\n')
    if [ "$now" = "$last" ]; then still=$((still + 1)); else still=0 last=$now; fi
    [ $still -ge 5 ]
}
until_true 60 settled || fail "the main window never holds still"
eval "$(xdotool getwindowgeometry --shell "$main")"
echo "the main window: ${WIDTH}x${HEIGHT} at $X,$Y on 1920x1080 at 144 dpi"
[ "$WIDTH" -gt 743 ] || fail "the window is not scaled at all (${WIDTH} px wide): is the dpi read?"
[ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 1920 ] && [ $((Y + HEIGHT)) -le 1080 ] \
    || fail "the main window reaches beyond the screen"
echo "1 passed, 0 failed"

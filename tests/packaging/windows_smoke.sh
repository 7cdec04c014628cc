#!/usr/bin/env bash
# The portable zip, unpacked on its own (no Qt or mingw folder on the path nor within
# reach), in Chinese, run under
# Wine's X11 driver on an X server: the main window appears, 本机CPU型号 reports the
# processor that WMI names (as wmic reads it), both picture windows show their pictures, a second copy brings it forward (restored
# from minimised, out from behind its picture window), Alt+Q
# ends the program with status 0. Then a copy killed
# while Wine's server goes down leaves a lock naming the process id the next copy gets
# (Wine hands out the same first id), and that copy must start all the same.
#   windows_smoke.sh ZIP WINE64 FOREGROUND_WINDOW_EXE     (on an X server: tests/with_xvfb.sh)
set -u
zip=$1 wine64=$2 foreground=$3
title_main='^CPU/GPU性能天梯查询工具 V0\.99b4$'
. "$(dirname "$0")/../x_helpers.sh"
fail() { echo "FAIL: $*"; exit 1; }
[ -f "$zip" ] || fail "no $zip: run cpack -G ZIP in the build folder first"

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH
wineserver=$(dirname "$wine64")/wineserver
pids=()
cleanup() { kill -9 "${pids[@]}" 2>/dev/null; "$wineserver" -k 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

(cd "$work" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
folder=$(dirname "$(find "$work" -name cpugpurank.exe | head -n1)")
[ -f "$folder/cpugpurank.exe" ] || fail "no cpugpurank.exe in the zip"
"$wine64" wineboot --init >/dev/null 2>&1
"$wineserver" -w # the prefix is written once the server is done
# The folder the zip was unpacked in as drive Y:, and no drive Z: for this machine's own
# files: the Qt build's folders, where Qt would find its plugins and translations, are out of
# reach, as on a user's Windows. Only qt.conf leads Qt to the folder's own (not a drive's
# root, where Qt's guess of its prefix, the folder above its DLLs, would find them too).
# (Qt 6 also takes the folder of an exe with Qt6Core.dll beside it for its prefix; qt.conf
# keeps that so where it would not, beside a Qt of the same configured prefix)
grep -qx 'Prefix = \.' "$folder/qt.conf" 2>/dev/null || fail "the zip has no qt.conf leading Qt to its own folder"
cp "$foreground" "$folder/" || fail "cannot copy $foreground"
ln -s "$work" "$WINEPREFIX/dosdevices/y:" && rm "$WINEPREFIX/dosdevices/z:" || fail "cannot map the drives"
exe='y:\'$(basename "$folder")'\cpugpurank.exe'
foreground='y:\'$(basename "$folder")'\'$(basename "$foreground")
# a Chinese Windows, as the users run it: Wine takes the Windows locale from LANG, and the
# encoding of its X window titles from LC_CTYPE (this machine may lack zh_CN's)
chinese() { LANG=zh_CN.UTF-8 LC_CTYPE=C.UTF-8 "$wine64" "$@"; }
# No window manager here: Wine then places, stacks and focuses its windows itself.
"$wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

chinese "$exe" & pid=$!; pids+=($pid)
main=$(visible_window "$title_main") || fail "no main window"

# a message box opened by KEY: its text, copied with Ctrl+C as Windows offers
box_text() { # KEY WHAT (in a $(...) of its own: a failure is told on stderr)
    local box
    fail_out() { echo "FAIL: $*" >&2; exit 1; }
    focus "$main" || fail_out "the main window did not take the focus"
    xdotool key --clearmodifiers "$1"
    box=$(visible_window '^系统提示$') || fail_out "$1 showed no $2"
    printf '' | xclip -selection clipboard
    focus "$box" || fail_out "the $2 did not take the focus"
    xdotool key --clearmodifiers ctrl+c
    copied() { [ -n "$(xclip -o -selection clipboard 2>/dev/null)" ]; }
    until_true 30 copied || fail_out "Ctrl+C copied nothing from the $2"
    xclip -o -selection clipboard 2>/dev/null | tr -d '\r'
}
gone_box() { ! xdotool search --onlyvisible --name '^系统提示$' >/dev/null 2>&1; }

# the processor report
report=$(box_text alt+c "processor report") || exit 1
echo "report: $report"
# the name as Wine's own WMI client reads it (UTF-16 output)
expected=$("$wine64" wmic cpu get name 2>/dev/null | iconv -f UTF-16 -t UTF-8 | tr -d '\r' | sed -n 2p | sed 's/ *$//')
[ -n "$expected" ] || fail "wmic named no processor"
[[ $report == *"本机CPU型号："* ]] || fail "the box is not the processor report"
[[ $report == *"$expected"* ]] || fail "the report does not name the processor ($expected)"
xdotool key --clearmodifiers Return
until_true 30 gone_box || fail "the processor report did not close"

# Qt's own texts are Chinese: the update prompt's buttons read 是/否 (from the folder's
# qtbase_zh_CN.qm)
buttons=$(box_text alt+u "update prompt") || exit 1
echo "update prompt: $buttons"
[[ $buttons == *"是(&Y)"* && $buttons == *"否(&N)"* ]] || fail "the update prompt's buttons are not Qt's Chinese 是/否"
xdotool key --clearmodifiers Return # No, the default: nothing opens
until_true 30 gone_box || fail "the update prompt did not close"

# both pictures show, read by the JPEG plugin from the folder
[ -f "$folder/plugins/imageformats/qjpeg.dll" ] || fail "the zip has no JPEG plugin"
focus "$main" || fail "the main window did not take the focus back"
xdotool key --clearmodifiers alt+n
notebook=$(visible_window '^作者的ThinkPADP53$') || fail "Alt+N opened no picture window"
until_true 30 shows_a_picture "$notebook" || fail "the notebook window shows no picture"
focus "$notebook" && xdotool key --clearmodifiers Escape
gone() { ! xdotool search --onlyvisible --name '^作者的ThinkPADP53$' >/dev/null 2>&1; }
until_true 30 gone || fail "Esc did not close the notebook window"

# a second copy, started while a picture window has the focus, brings the first forward
focus "$main" || fail "the main window did not take the focus back"
xdotool key --clearmodifiers alt+g
chart=$(visible_window '^PUBG配置$') || fail "Alt+G opened no picture window"
until_true 30 shows_a_picture "$chart" || fail "the chart window shows no picture"
until_true 30 has_focus "$chart" || fail "the picture window did not take the focus"
second_start() { # the second copy's refusal, answered
    chinese "$exe" & second=$!; pids+=($second)
    refusal=$(visible_window '^CPU/GPU性能天梯查询工具$') || fail "the second copy showed no box"
    focus "$refusal" || fail "the second copy's box did not take the focus"
    xdotool key --clearmodifiers Return
    wait $second
}
second_start
# Windows' own foreground: Wine without a window manager may leave the X focus on the root
# window once the other copy's box is gone
in_front() { [ "$("$wine64" "$foreground" 2>/dev/null)" = "CPU/GPU性能天梯查询工具 V0.99b4" ]; }
until_true 30 in_front || fail "the running copy's window was not brought forward"

# a minimised running copy comes back restored (minimised through its system menu: Alt+Space, N)
# the X focus back from the root window, and a click for Wine's own foreground with it
focus "$main" || fail "the main window did not take the X focus"
xdotool mousemove --window "$main" 400 40 click 1
until_true 30 in_front || fail "a click did not bring the main window to the front"
before=$(viewable_windows)
xdotool key --clearmodifiers alt+space
menu_open() { [ "$(viewable_windows)" -gt "$before" ]; }
until_true 30 menu_open || fail "Alt+Space opened no system menu"
xdotool key --clearmodifiers n
# Wine without a window manager draws a minimised window as a small bar at the bottom
restored() { [ "$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')" -ge 700 ]; }
minimised() { ! restored; }
until_true 30 minimised || fail "the main window did not minimise"
second_start
until_true 30 restored || fail "the minimised running copy was not restored"

focus "$main" || fail "the restored window did not take the focus"
xdotool key --clearmodifiers alt+q
until_true 30 has_ended $pid || fail "Alt+Q did not end the program"
wait $pid; rc=$?
[ $rc -eq 0 ] || fail "the program ended with status $rc"

# a copy killed with Wine's server: its lock stays, naming the id the next copy gets
"$wineserver" -w
chinese "$exe" & pid=$!; pids+=($pid)
visible_window "$title_main" >/dev/null || fail "no main window on the second start"
"$wineserver" -k; wait $pid 2>/dev/null
chinese "$exe" & pid=$!; pids+=($pid)
visible_window "$title_main" >/dev/null || fail "a copy started after a killed one was refused"
echo "1 passed, 0 failed"

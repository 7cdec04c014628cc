#!/usr/bin/env bash
# Two real copies of the program on a real X server: the second shows only its message and
# ends after OK, the first keeps running and comes forward (out from behind its own picture
# window), without a window manager and again under one; a first copy killed with SIGKILL
# blocks nothing.
#   second_instance.sh PROGRAM        (on an X server: tests/with_xvfb.sh)
set -u
program=$1
title_main='^CPU/GPU性能天梯查询工具 V0\.99b4$'
title_box='^CPU/GPU性能天梯查询工具$'
. "$(dirname "$0")/../../x_helpers.sh"
private_runtime_dir
export QT_QPA_PLATFORM=xcb
pids=()
cleanup() { kill -9 "${pids[@]}" ${wm_pid:-} 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
# the first copy is raised and focused directly where no window manager runs, and asked
# for on the user's behalf where one does
bring_forward() {
    "$program" & first=$!; pids+=($first)
    main=$(window_of $first "$title_main") || fail "the first copy shows no main window"
    focus "$main" || fail "the main window did not take the focus"
    xdotool key --clearmodifiers alt+g
    chart=$(window_of $first '^PUBG配置$') || fail "Alt+G opened no picture window"
    until_true 30 has_focus "$chart" || fail "the picture window did not take the focus"

    "$program" & second=$!; pids+=($second)
    box=$(window_of $second "$title_box") || fail "the second copy shows no message box"
    xdotool search --all --pid $second --name "$title_main" >/dev/null 2>&1 && fail "the second copy shows a main window"
    focus "$box" || fail "the second copy's message box did not take the focus"
    xdotool key --clearmodifiers Return
    until_true 30 has_ended $second || fail "the second copy did not end after OK"
    wait $second; rc=$?
    [ $rc -eq 0 ] || fail "the second copy ended with $rc"
    kill -0 $first 2>/dev/null || fail "the first copy did not survive"
    window_of $first "$title_main" >/dev/null || fail "the first copy lost its window"
    until_true 30 has_focus "$main" || fail "the first copy's window was not brought forward"
}
bring_forward
start_window_manager || fail "openbox did not start"
kill -9 $first; wait $first 2>/dev/null
bring_forward
stop_window_manager
kill -9 $first; wait $first 2>/dev/null
"$program" & third=$!; pids+=($third)
window_of $third "$title_main" >/dev/null || fail "a copy started after a killed one shows no main window"
echo "1 passed, 0 failed"

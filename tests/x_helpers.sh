# Sourced by the tests that start the real program on an X server.

# window_of PID TITLE-REGEX: prints the id of that process's window with the title,
# waiting up to 15 s; fails when none appears.
window_of() {
    local w
    for _ in $(seq 150); do
        w=$(xdotool search --all --pid "$1" --name "$2" 2>/dev/null | head -n1)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 1
}

# visible_window TITLE-REGEX: prints the id of a visible window with the title, whichever
# process shows it, waiting up to 60 s; fails when none appears.
visible_window() {
    local w
    for _ in $(seq 600); do
        w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 1
}

# A private runtime folder, so the instance lock of a test never meets another's.
private_runtime_dir() {
    XDG_RUNTIME_DIR=$(mktemp -d)
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
}

# start_window_manager: openbox on this display, for the paths that ask a window manager;
# waits until it has claimed the screen. stop_window_manager ends it.
start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    return 1
}
stop_window_manager() {
    kill "$wm_pid" 2>/dev/null
    wait "$wm_pid" 2>/dev/null
    xprop -root -remove _NET_SUPPORTING_WM_CHECK 2>/dev/null
    xprop -root -remove _NET_CLIENT_LIST 2>/dev/null
    return 0
}

# Sourced by the tests that start the real program on an X server. Every wait is for a
# state (a window mapped and viewable, focused, a process ended), polled until a deadline
# generous enough for a busy machine; none is a fixed sleep.

# until_true SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds;
# fails when SECONDS have passed first.
until_true() {
    local deadline=$(($(date +%s) + $1))
    shift
    until "$@"; do
        [ "$(date +%s)" -ge $deadline ] && return 1
        sleep 0.1
    done
}

is_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
has_ended() { ! kill -0 "$1" 2>/dev/null; }
# the number of viewable windows (a menu that opens adds one)
viewable_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }

# window_of PID TITLE-REGEX: prints the id of that process's window with the title once it
# is viewable (a window that is not cannot take the focus), waiting up to 60 s.
window_of() {
    local w
    found_window_of() {
        w=$(xdotool search --all --pid "$1" --name "$2" 2>/dev/null | head -n1)
        [ -n "$w" ] && is_viewable "$w"
    }
    until_true 60 found_window_of "$1" "$2" || return 1
    echo "$w"
}

# visible_window TITLE-REGEX: prints the id of a viewable window with the title, whichever
# process shows it, waiting up to 60 s.
visible_window() {
    local w
    found_visible_window() {
        w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
        [ -n "$w" ]
    }
    until_true 60 found_visible_window "$1" || return 1
    echo "$w"
}

# focus WINDOW: gives it the keyboard focus and waits until it has it.
focus() {
    xdotool windowfocus --sync "$1" 2>/dev/null
    until_true 30 has_focus "$1"
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
    wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    until_true 30 wm_running
}
stop_window_manager() {
    kill "$wm_pid" 2>/dev/null
    wait "$wm_pid" 2>/dev/null
    xprop -root -remove _NET_SUPPORTING_WM_CHECK 2>/dev/null
    xprop -root -remove _NET_CLIENT_LIST 2>/dev/null
    return 0
}

# shows_a_picture WINDOW: the window shows a picture (thousands of colours), not an empty
# box beside a button (a few dozen): a picture that failed to load leaves it empty.
shows_a_picture() {
    local colours
    colours=$(import -silent -window "$1" png:- 2>/dev/null | identify -format '%k' - 2>/dev/null)
    [ "${colours:-0}" -ge 2000 ]
}

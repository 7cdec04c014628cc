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

# A private runtime folder, so the instance lock of a test never meets another's.
private_runtime_dir() {
    XDG_RUNTIME_DIR=$(mktemp -d)
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
}

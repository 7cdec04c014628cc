#!/usr/bin/env bash
# Start-up with a runtime folder that cannot hold the instance lock: missing, a file, or
# read-only; the temp folder missing too. The program must still come up (without the
# single-instance check, which needs somewhere to put its lock).
#   bad_runtime_dir.sh PROGRAM        (on an X server: tests/with_xvfb.sh)
set -u
program=$1
. "$(dirname "$0")/../../x_helpers.sh"
fail() { echo "FAIL: $*"; exit 1; }
scratch=$(mktemp -d)
trap 'kill -9 $pid 2>/dev/null; chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
pid=
touch "$scratch/a-file"
mkdir -m 500 "$scratch/read-only"
for dir in "$scratch/missing/deeper" "$scratch/a-file" "$scratch/read-only"; do
    XDG_RUNTIME_DIR=$dir TMPDIR=$scratch/no-tmp QT_QPA_PLATFORM=xcb "$program" 2>/dev/null & pid=$!
    window_of $pid 'V0\.99b4$' >/dev/null || fail "no window with XDG_RUNTIME_DIR=$dir"
    kill -0 $pid || fail "ended with XDG_RUNTIME_DIR=$dir"
    kill $pid; wait $pid 2>/dev/null
done
echo "1 passed, 0 failed"

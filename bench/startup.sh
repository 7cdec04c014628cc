#!/usr/bin/env bash
# Start-up from outside: time from exec until the window is mapped, and peak RSS, for the
# program and for a bare Qt window, alternating A B A B on one Xvfb server.
#   bench/startup.sh [RUNS] [BUILD_DIR]        default 20 runs, build/
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
build=${2:-build}
if [ -z "${DISPLAY:-}" ]; then
    exec tests/with_xvfb.sh "$0" "$runs" "$build"
fi
. tests/x_helpers.sh
private_runtime_dir
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
export QT_QPA_PLATFORM=xcb
program=$build/src/cpugpurank
bare=$build/bench/bare_window
mapwait=$build/bench/mapwait
"$mapwait" "$bare" text >/dev/null # warm the file cache for all three
"$mapwait" "$program" >/dev/null
: >"$XDG_RUNTIME_DIR/a"
: >"$XDG_RUNTIME_DIR/b"
: >"$XDG_RUNTIME_DIR/t"
for _ in $(seq "$runs"); do
    "$mapwait" "$program" >>"$XDG_RUNTIME_DIR/a"
    "$mapwait" "$bare" >>"$XDG_RUNTIME_DIR/b"
    "$mapwait" "$bare" text >>"$XDG_RUNTIME_DIR/t"
done
median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
a_ms=$(cut -d' ' -f1 "$XDG_RUNTIME_DIR/a" | median)
b_ms=$(cut -d' ' -f1 "$XDG_RUNTIME_DIR/b" | median)
t_ms=$(cut -d' ' -f1 "$XDG_RUNTIME_DIR/t" | median)
a_kb=$(cut -d' ' -f2 "$XDG_RUNTIME_DIR/a" | median)
b_kb=$(cut -d' ' -f2 "$XDG_RUNTIME_DIR/b" | median)
t_kb=$(cut -d' ' -f2 "$XDG_RUNTIME_DIR/t" | median)
awk -v am="$a_ms" -v bm="$b_ms" -v tm="$t_ms" -v ak="$a_kb" -v bk="$b_kb" -v tk="$t_kb" -v n="$runs" 'BEGIN {
    printf "runs each:              %d (alternating program, bare window, bare window with one Chinese label)\n", n
    printf "window mapped, median:  program %.1f ms   bare %.1f ms   bare+label %.1f ms\n", am, bm, tm
    printf "                        ratio to bare %.2f (goal <= 1.20), to bare+label %.2f\n", am / bm, am / tm
    printf "peak RSS, median:       program %.1f MB   bare %.1f MB   bare+label %.1f MB\n", ak / 1024, bk / 1024, tk / 1024
    printf "                        over bare %+.1f MB (goal <= +8), over bare+label %+.1f MB\n", (ak - bk) / 1024, (ak - tk) / 1024
}'

#!/usr/bin/env bash
# Start-up from outside: time from exec until the window is mapped, and peak RSS, for the
# program and for a bare Qt window, alternating A B A B on one Xvfb server. When the
# Windows build is there (./dev.sh windows), the same under Wine: the portable zip's exe,
# the bare window cross-built the same way (run from the zip's folder, with its DLLs) and
# Wine's own notepad.
#   bench/startup.sh [RUNS] [BUILD_DIR] [WINDOWS_BUILD_DIR]   default 20, build/, build-windows/
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
build=${2:-build}
windows_build=${3:-build-windows}
if [ -z "${DISPLAY:-}" ]; then
    exec tests/with_xvfb.sh "$0" "$runs" "$build" "$windows_build"
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
ms() { cut -d' ' -f1 "$XDG_RUNTIME_DIR/$1" | median; }     # RUN-FILE: median milliseconds
kb() { cut -d' ' -f2 "$XDG_RUNTIME_DIR/$1" | median; }     # RUN-FILE: median peak RSS, KiB
mb() { kb "$1" | awk '{printf "%.1f", $1 / 1024}'; }
a_ms=$(ms a) b_ms=$(ms b) t_ms=$(ms t)
a_kb=$(kb a) b_kb=$(kb b) t_kb=$(kb t)
awk -v am="$a_ms" -v bm="$b_ms" -v tm="$t_ms" -v ak="$a_kb" -v bk="$b_kb" -v tk="$t_kb" -v n="$runs" 'BEGIN {
    printf "runs each:              %d (alternating program, bare window, bare window with one Chinese label)\n", n
    printf "window mapped, median:  program %.1f ms   bare %.1f ms   bare+label %.1f ms\n", am, bm, tm
    printf "                        ratio to bare %.2f (goal <= 1.20), to bare+label %.2f\n", am / bm, am / tm
    printf "peak RSS, median:       program %.1f MB   bare %.1f MB   bare+label %.1f MB\n", ak / 1024, bk / 1024, tk / 1024
    printf "                        over bare %+.1f MB (goal <= +8), over bare+label %+.1f MB\n", (ak - bk) / 1024, (ak - tk) / 1024
}'

wine64=/usr/lib/wine/wine64
zip=$(realpath "$windows_build"/cpugpurank-*-win64.zip 2>/dev/null | head -n1 || true)
[ -x "$wine64" ] && [ -n "$zip" ] && [ -f "$windows_build/bare_window.exe" ] || exit 0
# one prefix and one lasting Wine server, as a desktop session has; nothing reaches the host
export WINEPREFIX=$XDG_RUNTIME_DIR/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset WINEPATH
mkdir -p "$WINEPREFIX" "$XDG_RUNTIME_DIR/zip"
wineserver=$(dirname "$wine64")/wineserver
"$wineserver" -p
trap '"$wineserver" -k; rm -rf "$XDG_RUNTIME_DIR"' EXIT
"$wine64" wineboot --init >/dev/null 2>&1
(cd "$XDG_RUNTIME_DIR/zip" && cmake -E tar xf "$zip")
folder=$(ls -d "$XDG_RUNTIME_DIR"/zip/*/)
cp "$windows_build/bare_window.exe" "$folder"
notepad='C:\windows\system32\notepad.exe'
"$mapwait" "$wine64" "$folder/cpugpurank.exe" >/dev/null # the first start of a prefix is slow
"$mapwait" "$wine64" "$folder/bare_window.exe" >/dev/null
"$mapwait" "$wine64" "$notepad" >/dev/null
: >"$XDG_RUNTIME_DIR/wa"
: >"$XDG_RUNTIME_DIR/wb"
: >"$XDG_RUNTIME_DIR/wn"
for _ in $(seq "$runs"); do
    "$mapwait" "$wine64" "$folder/cpugpurank.exe" >>"$XDG_RUNTIME_DIR/wa"
    "$mapwait" "$wine64" "$folder/bare_window.exe" >>"$XDG_RUNTIME_DIR/wb"
    "$mapwait" "$wine64" "$notepad" >>"$XDG_RUNTIME_DIR/wn"
done
echo "Windows, under Wine (the portable exe, the bare window from its folder, Wine's notepad):"
printf '  window mapped, median:  program %s ms   bare %s ms   notepad %s ms\n' "$(ms wa)" "$(ms wb)" "$(ms wn)"
printf '  peak RSS, median:       program %s MB   bare %s MB   notepad %s MB\n' "$(mb wa)" "$(mb wb)" "$(mb wn)"

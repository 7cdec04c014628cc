#!/usr/bin/env bash
# Start-up from outside: time from exec until the window is mapped, and peak RSS, for the
# program, a bare Qt window, the bare window with one Chinese label and the floor (the bare
# window with the main window's 56 controls and none of the program's logic), alternating,
# on one Xvfb server of 1920 x 1080, in zh_CN as the users run it. When the Windows build is
# there (./dev.sh windows), the same under Wine, and the program at 144 dpi beside 96 dpi.
#   bench/startup.sh [RUNS] [BUILD_DIR] [WINDOWS_BUILD_DIR]   default 20, build/, build-windows/
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
build=${2:-build}
windows_build=${3:-build-windows}
if [ -z "${DISPLAY:-}" ]; then
    XVFB_SCREEN=1920x1080 exec tests/with_xvfb.sh "$0" "$runs" "$build" "$windows_build"
fi
. tests/x_helpers.sh
# in memory, as a desktop's /run/user is: the instance lock is written there
XDG_RUNTIME_DIR=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
export QT_QPA_PLATFORM=xcb
zh=(env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8) # as the users run it (bash itself needs no such locale)
program=${CGR_PROGRAM:-$build/src/cpugpurank} # another build of the program to compare
bare=$build/bench/bare_window
mapwait=$build/bench/mapwait
"${zh[@]}" "$mapwait" "$bare" controls >/dev/null # warm the file cache for all of them
"${zh[@]}" "$mapwait" "$program" >/dev/null
for f in a b t c; do : >"$XDG_RUNTIME_DIR/$f"; done
for _ in $(seq "$runs"); do
    "${zh[@]}" "$mapwait" "$program" >>"$XDG_RUNTIME_DIR/a"
    "${zh[@]}" "$mapwait" "$bare" >>"$XDG_RUNTIME_DIR/b"
    "${zh[@]}" "$mapwait" "$bare" text >>"$XDG_RUNTIME_DIR/t"
    "${zh[@]}" "$mapwait" "$bare" controls >>"$XDG_RUNTIME_DIR/c"
done
median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
ms() { cut -d' ' -f1 "$XDG_RUNTIME_DIR/$1" | median; }     # RUN-FILE: median milliseconds
kb() { cut -d' ' -f2 "$XDG_RUNTIME_DIR/$1" | median; }     # RUN-FILE: median peak RSS, KiB
mb() { kb "$1" | awk '{printf "%.1f", $1 / 1024}'; }
a_ms=$(ms a) b_ms=$(ms b) t_ms=$(ms t) c_ms=$(ms c)
a_kb=$(kb a) b_kb=$(kb b) t_kb=$(kb t) c_kb=$(kb c)
awk -v am="$a_ms" -v bm="$b_ms" -v tm="$t_ms" -v cm="$c_ms" -v ak="$a_kb" -v bk="$b_kb" -v tk="$t_kb" -v ck="$c_kb" \
    -v n="$runs" 'BEGIN {
    printf "runs each:              %d, zh_CN (alternating program, bare window, bare+label, floor: the 56 controls)\n", n
    printf "window mapped, median:  program %.1f ms   bare %.1f ms   bare+label %.1f ms   floor %.1f ms\n", am, bm, tm, cm
    printf "                        program/floor %.2f (goal <= 1.15), to bare %.2f, to bare+label %.2f\n", am / cm, am / bm, am / tm
    printf "peak RSS, median:       program %.1f MB   bare %.1f MB   bare+label %.1f MB   floor %.1f MB\n", ak / 1024, bk / 1024, tk / 1024, ck / 1024
    printf "                        over the floor %+.1f MB (goal <= +3), over bare %+.1f MB\n", (ak - ck) / 1024, (ak - bk) / 1024
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
for f in wa wb wt wc wn; do : >"$XDG_RUNTIME_DIR/$f"; done
for _ in $(seq "$runs"); do
    "$mapwait" "$wine64" "$folder/cpugpurank.exe" >>"$XDG_RUNTIME_DIR/wa"
    "$mapwait" "$wine64" "$folder/bare_window.exe" >>"$XDG_RUNTIME_DIR/wb"
    "$mapwait" "$wine64" "$folder/bare_window.exe" text >>"$XDG_RUNTIME_DIR/wt"
    "$mapwait" "$wine64" "$folder/bare_window.exe" controls >>"$XDG_RUNTIME_DIR/wc"
    "$mapwait" "$wine64" "$notepad" >>"$XDG_RUNTIME_DIR/wn"
done
echo "Windows, under Wine (the portable exe; the bare window, with one Chinese label and the floor, from its folder; Wine's notepad):"
printf '  window mapped, median:  program %s ms   bare %s ms   bare+label %s ms   floor %s ms   notepad %s ms\n' \
    "$(ms wa)" "$(ms wb)" "$(ms wt)" "$(ms wc)" "$(ms wn)"
awk -v a="$(ms wa)" -v b="$(ms wb)" -v t="$(ms wt)" -v c="$(ms wc)" 'BEGIN {
    printf "                          program/bare %.2f (goal <= 1.20), to bare+label %.2f, to floor %.2f\n", a / b, a / t, a / c }'
printf '  peak RSS, median:       program %s MB   bare %s MB   bare+label %s MB   floor %s MB   notepad %s MB\n' \
    "$(mb wa)" "$(mb wb)" "$(mb wt)" "$(mb wc)" "$(mb wn)"

# The program on this 1920 x 1080 screen at 144 dpi (150 %), where it must fit: in a second
# prefix, alternating with the first at 96 dpi.
export WINEPREFIX=$XDG_RUNTIME_DIR/wine144
mkdir -p "$WINEPREFIX"
"$wineserver" -p
trap '"$wineserver" -k; WINEPREFIX=$XDG_RUNTIME_DIR/wine "$wineserver" -k; rm -rf "$XDG_RUNTIME_DIR"' EXIT
"$wine64" wineboot --init >/dev/null 2>&1
"$wine64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
"$wineserver" -k
"$wineserver" -p
"$mapwait" "$wine64" "$folder/cpugpurank.exe" >/dev/null
: >"$XDG_RUNTIME_DIR/w96"
: >"$XDG_RUNTIME_DIR/w144"
for _ in $(seq "$runs"); do
    WINEPREFIX=$XDG_RUNTIME_DIR/wine "$mapwait" "$wine64" "$folder/cpugpurank.exe" >>"$XDG_RUNTIME_DIR/w96"
    "$mapwait" "$wine64" "$folder/cpugpurank.exe" >>"$XDG_RUNTIME_DIR/w144"
done
echo "Windows at 144 dpi on 1920 x 1080 (fitted before start), beside 96 dpi:"
awk -v a="$(ms w144)" -v b="$(ms w96)" 'BEGIN {
    printf "  window mapped, median:  144 dpi %.1f ms   96 dpi %.1f ms   ratio %.2f (goal <= 1.15)\n", a, b, a / b }'

#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch root and starts the installed program there
# until its window maps.   deb_starts.sh BUILD_DIR   (on an X server: tests/with_xvfb.sh)
set -u
build=$1
. "$(dirname "$0")/../x_helpers.sh"
fail() { echo "FAIL: $*"; exit 1; }
root=$(mktemp -d)
trap 'kill -9 $pid 2>/dev/null; rm -rf "$root" "$XDG_RUNTIME_DIR"' EXIT
pid=
private_runtime_dir
out=$(cd "$build" && cpack -G DEB -B "$root/pkg" 2>&1) || fail "cpack: $out"
deb=$(ls "$root"/pkg/*.deb) || fail "no package"
dpkg-deb -I "$deb" | grep -q "Depends:.*libqt6widgets6" || fail "no Qt 6 dependency"
dpkg-deb -I "$deb" | grep -q "Depends:.*fonts-wqy-zenhei | fonts-noto-cjk," || fail "no font dependency, or one that cannot keep the columns"
dpkg-deb -I "$deb" | grep -q "Depends:.*xdg-utils" || fail "no xdg-utils: links and the update prompt would open nothing"
dpkg -x "$deb" "$root/fs"
for f in usr/bin/cpugpurank usr/share/applications/cpugpurank.desktop usr/share/metainfo/io.github.cpugpurank.metainfo.xml \
         usr/share/icons/hicolor/48x48/apps/cpugpurank.png usr/share/icons/hicolor/256x256/apps/cpugpurank.png \
         usr/share/doc/cpugpurank/DATA-SOURCES.md usr/share/doc/cpugpurank/copyright; do
    [ -e "$root/fs/$f" ] || fail "$f is not in the package"
done
# the menu entry's icon is one the package installs, found the way a menu looks it up
icon=$(sed -n 's/^Icon=//p' "$root/fs/usr/share/applications/cpugpurank.desktop")
[ -n "$icon" ] || fail "the desktop entry names no icon"
case $icon in
/*) [ -f "$root/fs$icon" ] || fail "the desktop entry's icon $icon is not in the package" ;;
*) ls "$root"/fs/usr/share/icons/hicolor/*/apps/"$icon".png "$root"/fs/usr/share/icons/hicolor/scalable/apps/"$icon".svg \
       "$root"/fs/usr/share/pixmaps/"$icon".png 2>/dev/null | grep -q . \
       || fail "the desktop entry's Icon=$icon names no icon the package installs" ;;
esac
# the licence travels with the package, machine-readable
copyright=$root/fs/usr/share/doc/cpugpurank/copyright
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' "$copyright" \
    || fail "the copyright file is not machine-readable"
grep -A1 '^Files: \*$' "$copyright" | grep -q '^Copyright:' && grep -q '^License: GPL-3.0-or-later$' "$copyright" \
    || fail "the copyright file does not name the program's licence"
# each score source credited with its true terms: Blender Open Data is CC0, the lists' sources
# grant no licence (the graphics list's MIT label was an error, its author said)
grep -A2 '^Files: src/data/newer_cpu_list.tsv$' "$copyright" | grep -q '^License: CC0-1.0$' \
    || fail "the copyright file does not give the newer table's CC0"
for list in gpu cpu; do
    grep -A3 "^Files: src/data/${list}_list.txt$" "$copyright" | grep -q '^License: public-benchmark-results$' \
        || fail "the copyright file gives the $list list a licence its publisher never granted"
done
grep -q 'Blender Open Data.*CC0\|CC0.*Blender' "$root/fs/usr/share/doc/cpugpurank/DATA-SOURCES.md" \
    || fail "DATA-SOURCES.md does not name the newer table's licence"
if command -v lintian >/dev/null; then
    tags=$(lintian --tag-display-limit 0 "$deb" 2>/dev/null | grep -i copyright)
    [ -z "$tags" ] || fail "lintian: $tags"
fi
QT_QPA_PLATFORM=xcb "$root/fs/usr/bin/cpugpurank" & pid=$!
window_of $pid 'V0\.99b4$' >/dev/null || fail "the installed program shows no window"
echo "1 passed, 0 failed"

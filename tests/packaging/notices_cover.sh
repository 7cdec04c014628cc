#!/usr/bin/env bash
# A Windows download may be passed on: its folder holds the program's licence, the data's
# acknowledgement and THIRD-PARTY-NOTICES.txt, which names every DLL, plugin and
# translation shipped beside the exe.
#   notices_cover.sh DIR | ZIP
set -u
fail() { echo "FAIL: $*"; exit 1; }
dir=$1
if [ -f "$dir" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    (cd "$work" && cmake -E tar xf "$1") || fail "cannot unpack $1"
    dir=$(dirname "$(find "$work" -name cpugpurank.exe | head -n1)")
fi
notices=$dir/THIRD-PARTY-NOTICES.txt
for f in LICENSE.txt THIRD-PARTY-NOTICES.txt DATA-SOURCES.txt; do
    [ -s "$dir/$f" ] || fail "no $f in the download"
done
grep -q 'GNU GENERAL PUBLIC LICENSE' "$dir/LICENSE.txt" && grep -q 'Version 3, 29 June 2007' "$dir/LICENSE.txt" \
    || fail "LICENSE.txt is not the GPL-3.0"
grep -q '^==== Qt: LGPL-3.0-only ====' "$notices" || fail "the notices lack Qt's LGPL-3.0 text"
grep -q 'GCC RUNTIME LIBRARY EXCEPTION' "$notices" || fail "the notices lack the GCC Runtime Library Exception"
head -c 3 "$dir/DATA-SOURCES.txt" | grep -q $'\xef\xbb\xbf' && grep -q '致谢' "$dir/DATA-SOURCES.txt" \
    || fail "DATA-SOURCES.txt is not the Chinese-first UTF-8 text"
grep -q 'Blender Open Data' "$dir/DATA-SOURCES.txt" && grep -q 'CC0' "$dir/DATA-SOURCES.txt" \
    && ! grep -q 'published, MIT' "$dir/DATA-SOURCES.txt" \
    || fail "DATA-SOURCES.txt does not tell each source's terms truly"
shipped=$(cd "$dir" && find . -type f \( -iname '*.dll' -o -iname '*.qm' \) | sed 's|^\./||' | sort)
[ -n "$shipped" ] || fail "no DLL in $dir"
for f in $shipped; do
    grep -qF "$f" "$notices" || fail "$f is shipped but THIRD-PARTY-NOTICES.txt does not name it"
done
echo "1 passed, 0 failed"

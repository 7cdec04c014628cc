#!/usr/bin/env bash
# What a menu and a reader of the Windows downloads get: the desktop entry's keys as a menu
# reads them (the [Desktop Entry] group, the last value of a key), and the licence that
# DATA-SOURCES.txt names for the newer processors' table, in Chinese and in English.
set -euo pipefail
root=$1
entry=$root/packaging/cpugpurank.desktop
key() { # name: its value in the [Desktop Entry] group
    awk -F= -v k="$1" '/^\[/{g=$0} g=="[Desktop Entry]" && $1==k {v=substr($0, length(k)+2)} END{print v}' "$entry"
}
fail=0
check() { # what, got, wanted
    if [ "$2" != "$3" ]; then echo "FAIL: $1 is '$2', not '$3'"; fail=1; fi
}
check Terminal "$(key Terminal)" false
check Type "$(key Type)" Application
check Exec "$(key Exec)" cpugpurank
# the newer table is CC0, wherever the notices name its licence
notes="$root/packaging/windows/DATA-SOURCES.txt.in $root/src/data/README.md"
if grep -n 'CC BY\|CC-BY' $notes; then echo "FAIL: a licence other than CC0 named for Blender Open Data"; fail=1; fi
grep -q 'Blender Open Data（Blender 基金会发布，$' "$root/packaging/windows/DATA-SOURCES.txt.in" \
    && grep -q '^CC0 许可' "$root/packaging/windows/DATA-SOURCES.txt.in" || { echo "FAIL: the Chinese notes name no CC0"; fail=1; }
grep -q 'Creative$' "$root/src/data/README.md" && grep -q '^Commons 0 (CC0 1.0)' "$root/src/data/README.md" \
    || { echo "FAIL: the English notes name no CC0"; fail=1; }
exit $fail

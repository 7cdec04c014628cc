#!/usr/bin/env bash
# The setup under Wine in a fresh prefix, as a Windows user meets it: DPI-aware; on Windows 7
# and on Windows 10 1803 it refuses and changes nothing; a silent install puts the zip's files, byte for byte, under
# Program Files with their notices, both shortcuts and a full uninstall entry; the
# installed program starts, shows both its pictures and keeps its lock out of the home folder; a silent run while it
# runs fails; a second install into another
# folder replaces the first (one entry); the silent uninstall leaves nothing but the
# user's own file.
#   windows_setup.sh SETUP ZIP WINE64 VERSION DISPLAY_NAME     (on an X server)
set -u
setup=$1 zip=$2 wine64=$3 version=$4 name=$5
. "$(dirname "$0")/../x_helpers.sh"
fail() { echo "FAIL: $*"; exit 1; }
[ -f "$setup" ] || fail "no $setup: build the setup target first"
# drawn by itself at 150 %, not stretched by Windows: its manifest says so
grep -a -q -E '<dpiAware( [^>]*)?>true</dpiAware>' "$setup" || fail "the setup's manifest does not declare it DPI-aware"
work=$(mktemp -d)
# no shortcut or file association may reach the host's own desktop
export HOME=$work/home WINEPREFIX=$work/prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset WINEPATH
mkdir -p "$HOME"
wineserver=$(dirname "$wine64")/wineserver
pid=
cleanup() { [ -n "$pid" ] && kill -9 $pid 2>/dev/null; "$wineserver" -k 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
"$wine64" wineboot --init >/dev/null 2>&1
"$wineserver" -w # the prefix is written once the server is done
c=$WINEPREFIX/drive_c
# the setup from drive C:, and no drive Z: for this machine's own files: the installed
# program cannot reach the Qt build's folders, as on a user's Windows
cp "$setup" "$c/setup.exe" && rm "$WINEPREFIX/dosdevices/z:" || fail "cannot prepare the drives"
setup='C:\setup.exe'
shortcut="CPU-GPU性能天梯查询工具.lnk"
menu=$c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/$shortcut
desktop=$c/users/Public/Desktop/$shortcut

run() { "$wine64" "$@"; local rc=$?; "$wineserver" -w; return $rc; } # -w: the registry is saved
entry() { # NAME: the value in the uninstall entry, as system.reg stores it
    awk '/^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\cpugpurank\]/ {on=1; next}
         /^\[/ {on=0} on' "$WINEPREFIX/system.reg" | sed -n "s/^\"$1\"=//p"
}
unescape() { # a system.reg string: quotes, \\ and \x escapes of UTF-16 units
    python3 -c 'import sys, re
s = sys.stdin.read().strip()
s = s[1:-1] if s.startswith(chr(34)) else s
s = re.sub(r"\\x([0-9a-f]{4})", lambda m: chr(int(m.group(1), 16)), s)
print(re.sub(r"\\(.)", r"\1", s))'
}

dir=$c/Program\ Files/cpugpurank
# Qt 6 does not start on Windows 7: the setup says no, and installs nothing
windows_version() { "$wine64" reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null 2>&1; }
windows_version win7
run "$setup" /S; rc=$?
[ $rc -eq 3 ] || fail "on Windows 7 the silent setup ended with $rc, not 3"
[ -e "$dir" ] && fail "on Windows 7 the setup installed files"
# nor on a Windows 10 before 1809: 1803, build 17134, as Wine reports it without a Version
"$wine64" reg delete 'HKCU\Software\Wine' /v Version /f >/dev/null 2>&1
nt='HKLM\Software\Microsoft\Windows NT\CurrentVersion'
"$wine64" reg add "$nt" /v CurrentVersion /d 10.0 /f >/dev/null 2>&1
"$wine64" reg add "$nt" /v CurrentBuildNumber /d 17134 /f >/dev/null 2>&1
"$wineserver" -k; "$wineserver" -w
"$wine64" cmd /c ver 2>/dev/null | grep -q '10\.0\.17134' || fail "Wine does not report Windows 10 build 17134"
run "$setup" /S; rc=$?
[ $rc -eq 3 ] || fail "on Windows 10 1803 the silent setup ended with $rc, not 3"
[ -e "$dir" ] && fail "on Windows 10 1803 the setup installed files"
windows_version win10

run "$setup" /S || fail "the silent install ended with $?"
expected=$(cmake -E tar tf "$zip" | sed 's|^[^/]*/||' | grep -v '/$' | grep -v '^$' | sort)
installed=$(cd "$dir" && find . -type f | sed 's|^\./||' | grep -v '^uninstall\.exe$' | sort)
[ "$installed" = "$expected" ] || fail "the installed files are not the zip's: $(diff <(echo "$expected") <(echo "$installed"))"
mkdir "$work/zip" && (cd "$work/zip" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
for f in $expected; do
    cmp -s "$dir/$f" "$work/zip/"*/"$f" || fail "$f differs from the zip's"
done
notices=$("$(dirname "$0")/notices_cover.sh" "$dir") || fail "$notices"
[ -f "$menu" ] || fail "no Start-menu shortcut"
[ -f "$desktop" ] || fail "no desktop shortcut"
[ "$(entry DisplayName | unescape)" = "$name" ] || fail "DisplayName is $(entry DisplayName)"
[ "$(entry DisplayVersion)" = "\"$version\"" ] || fail "DisplayVersion is $(entry DisplayVersion)"
[ "$(entry Publisher)" = '"cpugpurank"' ] || fail "no publisher"
[ "$(entry DisplayIcon | unescape)" = 'C:\Program Files\cpugpurank\cpugpurank.exe,0' ] || fail "no icon"
[ "$(entry QuietUninstallString | unescape)" = '"C:\Program Files\cpugpurank\uninstall.exe" /S' ] \
    || fail "QuietUninstallString is $(entry QuietUninstallString)"
size=$(entry EstimatedSize | sed 's/dword://')
[ -n "$size" ] && [ $((16#$size)) -gt 10000 ] || fail "EstimatedSize is '$size' (KB)"

# the installed program, from its Program Files folder
"$wine64" 'C:\Program Files\cpugpurank\cpugpurank.exe' & pid=$!
main=$(visible_window '^CPU/GPU性能天梯查询工具 V') || fail "the installed program shows no window"
# its pictures show, read by the installed JPEG plugin
[ -f "$dir/plugins/imageformats/qjpeg.dll" ] || fail "no JPEG plugin was installed"
for key_title in "alt+g ^PUBG配置$" "alt+n ^作者的ThinkPADP53$"; do
    focus "$main" || fail "the installed program's window did not take the focus"
    xdotool key --clearmodifiers "${key_title%% *}"
    picture=$(visible_window "${key_title#* }") || fail "${key_title%% *} opened no picture window"
    until_true 30 shows_a_picture "$picture" || fail "the installed ${key_title#* } window shows no picture"
    focus "$picture" && xdotool key --clearmodifiers Escape # Wine's foreground goes back with it
    closed() { ! xdotool search --onlyvisible --name "${key_title#* }" >/dev/null 2>&1; }
    until_true 30 closed || fail "Esc did not close the ${key_title#* } window"
done
lock=$(find "$c/users" -name cpugpurank.lock)
[ -n "$lock" ] || fail "the running program holds no lock file"
[[ $lock == */Temp/* ]] || fail "the lock lies in $lock, not in the temporary folder"
"$wine64" "$setup" /S && fail "a silent install replaced the files of a running copy"
focus "$main" || fail "the installed program's window did not take the focus"
xdotool key --clearmodifiers alt+q
wait $pid; pid=
"$wineserver" -w

# again, into another folder: the first goes, one entry stays
run "$setup" /S '/D=C:\cpugpurank2' || fail "the second install ended with $?"
[ -e "$dir" ] && fail "the first folder is still there"
[ -f "$c/cpugpurank2/cpugpurank.exe" ] || fail "nothing in the second folder"
[ "$(grep -c '^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\cpugpurank' "$WINEPREFIX/system.reg")" = 1 ] \
    || fail "not exactly one uninstall entry"
[ "$(entry InstallLocation | unescape)" = 'C:\cpugpurank2' ] || fail "the entry names $(entry InstallLocation)"

# the quiet uninstall, as the uninstall list runs it; the user's own file stays
echo "mine" >"$c/cpugpurank2/notes.txt"
run 'C:\cpugpurank2\uninstall.exe' /S || fail "the uninstall ended with $?"
until_true 30 test ! -f "$c/cpugpurank2/cpugpurank.exe"
[ "$(cd "$c/cpugpurank2" && find . -mindepth 1)" = "./notes.txt" ] || fail "left behind: $(cd "$c/cpugpurank2" && find . -mindepth 1)"
[ -e "$menu" ] || [ -e "$desktop" ] && fail "a shortcut is left"
[ -z "$(entry DisplayName)" ] || fail "the uninstall entry is left"
echo "1 passed, 0 failed"

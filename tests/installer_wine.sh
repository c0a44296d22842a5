#!/usr/bin/env bash
# The Windows packages as a user receives them, under Wine in a prefix of their own: the
# installer's script shows the program's licence and offers to start it; the zip and
# the installer hold just the program's folder; the installer installs silently (/S) with its
# Start-menu entry and its Add/Remove Programs entry; the installed program starts with no
# display variable in its Windows environment, shows its window, and ends when that is closed;
# the uninstaller then leaves no file and no registry entry behind.
# Usage: installer_wine.sh BUILD XWIN WINE. Exit status 77 (a skip) without Xvfb.
set -euo pipefail
build=$1
xwin=$2
wine=$3
wineserver=$(dirname "$wine")/wineserver
title="Bandalyx v1.0"

if ! command -v Xvfb >/dev/null 2>&1; then
    echo "SKIP: Xvfb is not installed (Debian package xvfb)"
    exit 77
fi

work=$(mktemp -d)
app_pid=
cleanup() {
    if [ -n "$app_pid" ]; then kill -KILL "$app_pid" 2>/dev/null || true; fi
    WINEPREFIX=$work/prefix "$wineserver" -k 2>/dev/null || true
    stop_window_manager
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# shellcheck source=tools/xvfb.sh
source "$(dirname "$0")/../tools/xvfb.sh"
start_xvfb "$work" || fail "Xvfb did not start"
start_window_manager "$work" || fail "openbox did not start"

# What the program's folder holds, and nothing else: no Linux desktop files, no test programs.
expected="bandalyx.exe
libgcc_s_seh-1.dll
libstdc++-6.dll
libwinpthread-1.dll
platforms/qwindows.dll
qt.conf
Qt6Core.dll
Qt6Gui.dll
Qt6Widgets.dll
styles/qwindowsvistastyle.dll
translations/qtbase_ko.qm"
listing() { (cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort -f); }

(cd "$build" && cpack -G "NSIS;ZIP" -B "$work/out" >/dev/null)
installer=$work/out/bandalyx-1.0-win64.exe
[ -f "$installer" ] || fail "cpack made no bandalyx-1.0-win64.exe"
[ -f "$work/out/bandalyx-1.0-win64.zip" ] || fail "cpack made no bandalyx-1.0-win64.zip"
# The script CPack wrote: the program's own licence, not CPack's placeholder, and a last page
# that offers to start the program.
nsi=$work/out/_CPack_Packages/win64/NSIS/project.nsi
[ -f "$nsi" ] || fail "cpack left no NSIS script at $nsi"
! grep -q 'CPack.GenericLicense.txt' "$nsi" || fail "the licence page shows CPack's placeholder"
grep -q '^ *!insertmacro MUI_PAGE_LICENSE ".*licence.ko.txt"' "$nsi" ||
    fail "the licence page does not show packaging/licence.ko.txt"
grep -q '^ *!define MUI_FINISHPAGE_RUN ".*bandalyx.exe"' "$nsi" ||
    fail "the last page does not offer to start bandalyx.exe"
echo "the installer shows the program's licence and offers to start it at the end"
unzip -q "$work/out/bandalyx-1.0-win64.zip" -d "$work/zip"
zipped=$(listing "$work/zip/bandalyx-1.0-win64")
[ "$zipped" = "$expected" ] || fail "the zip holds:
$zipped"
echo "the zip holds the program's folder: $(wc -l <<<"$zipped") files"

# A prefix of the test's own, so that what the uninstaller leaves is the installer's doing.
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset WINEPATH
"$wine" wineboot -i >/dev/null 2>&1
"$wine" "$installer" /S >/dev/null 2>&1 || fail "the silent install failed"
"$wineserver" -w

folder="$WINEPREFIX/drive_c/Program Files/Bandalyx"
[ -d "$folder" ] || fail "nothing installed in C:\\Program Files\\Bandalyx"
installed=$(listing "$folder" | grep -v -x 'Uninstall.exe')
[ "$installed" = "$expected" ] || fail "the installed folder holds:
$installed"
[ -f "$folder/Uninstall.exe" ] || fail "no uninstaller"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Bandalyx"
[ -f "$menu/Bandalyx.lnk" ] || fail "no Start-menu entry Bandalyx"

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Bandalyx'
"$wine" reg export "$key" 'C:\uninstall.reg' /y >/dev/null 2>&1 || fail "no Add/Remove Programs entry"
entry=$(iconv -f UTF-16 -t UTF-8 "$WINEPREFIX/drive_c/uninstall.reg" | tr -d '\r')
rm "$WINEPREFIX/drive_c/uninstall.reg"
for value in '"DisplayName"="Bandalyx"' '"DisplayVersion"="1.0"' '"Publisher"="Bandalyx 개발팀"' \
    '"UninstallString"="\"C:\\Program Files\\Bandalyx\\Uninstall.exe\""'; do
    grep -qxF -- "$value" <<<"$entry" || fail "the Add/Remove Programs entry lacks $value:
$entry"
done
echo "installed silently: the folder, the Start-menu entry, the Add/Remove Programs entry"

# Started as Windows starts it: no DISPLAY or WAYLAND_DISPLAY in its environment.
# Wine itself still draws on the Xvfb. A batch file, as cmd /c would be handed the quotes escaped.
printf '%s\r\n' '@set DISPLAY=' '@set WAYLAND_DISPLAY=' '@cd /d "C:\Program Files\Bandalyx"' \
    '@bandalyx.exe' >"$WINEPREFIX/drive_c/start.bat"
"$wine" cmd /c 'C:\start.bat' >"$work/stdout" 2>"$work/stderr" &
app_pid=$!
# The window is bandalyx.exe's, not cmd's: no --pid.
main=$("$xwin" wait "$title" 60000) ||
    fail "the installed program showed no window: $(cat "$work/stderr")"
mkdir -p "$build/screenshots"
"$xwin" shot "$main" "$build/screenshots/installed.png" || fail "cannot photograph the installed program"
"$xwin" close "$main" || fail "cannot close the installed program's window"
"$xwin" exited "$app_pid" 20000 || fail "the installed program still runs 20 s after its window closed"
status=0
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] || fail "the installed program exited with status $status"
rm "$WINEPREFIX/drive_c/start.bat"
echo "the installed program started without a display variable and exited with status 0"

# The uninstaller copies itself away and returns at once; the server lasts until it is done.
"$wine" "C:\\Program Files\\Bandalyx\\Uninstall.exe" /S >/dev/null 2>&1 || fail "the uninstaller failed"
"$wineserver" -w
left=$(find "$WINEPREFIX/drive_c" -iname '*bandalyx*' 2>/dev/null || true)
[ -z "$left" ] || fail "the uninstaller left files behind:
$left"
left=$(grep -il 'bandalyx' "$WINEPREFIX"/*.reg || true)
[ -z "$left" ] || fail "the uninstaller left registry entries behind: $(grep -i -B2 bandalyx "$WINEPREFIX"/*.reg)"
echo "uninstalled: no file and no registry entry left"

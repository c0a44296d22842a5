#!/usr/bin/env bash
# Runs Bandalyx on a private Xvfb server with something it needs taken away, and checks that the
# user is told so in a window and in one line on standard error, and that the program goes on:
#   no font draws Hangul      an English message box, then the main window as usual
#   no NanumGothic            another Hangul family serves; nothing to tell
#   no web browser            the About box's page button shows the address to copy
#   the X server goes away    one line and exit status 1, with nothing left to tear down
# Photographs each message into OUTDIR. Exit status 77 (a skip for CTest) without Xvfb.
set -euo pipefail

# shellcheck source=tests/realwindow.sh
source "$(dirname "$0")/realwindow.sh"

# The system's fonts less those that fontconfig says cover Korean, or less one family.
fonts_without() {
    cat <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="no">/etc/fonts/fonts.conf</include>
  <selectfont><rejectfont><pattern>
    <patelt name="$1"><string>$2</string></patelt>
  </pattern></rejectfont></selectfont>
</fontconfig>
CONF
}
fonts_without lang ko >"$work/no-hangul.conf"
fonts_without family NanumGothic >"$work/no-nanumgothic.conf"

# Starts the program with the given environment settings, its standard error in a file.
start() {
    : >"$work/stderr"
    env "$@" "$bandalyx" 2>"$work/stderr" &
    app_pid=$!
}

# Closes the main window, as a window manager would, and expects a clean exit.
finish() {
    local main
    main=$("$xwin" wait --pid "$app_pid" "$title" 10000) || fail "$1: no main window"
    "$xwin" close "$main" || fail "$1: cannot close the main window"
    "$xwin" exited "$app_pid" 5000 || fail "$1: still running after its window was closed"
    local status=0
    wait "$app_pid" || status=$?
    app_pid=
    [ "$status" -eq 0 ] || fail "$1: exited with status $status"
}

# Exactly one line on standard error, holding the given text.
one_line_saying() {
    if [ "$(wc -l <"$work/stderr")" -ne 1 ] || ! grep -qF "$2" "$work/stderr"; then
        fail "$1: expected one line on standard error saying '$2'"
    fi
}

# No Hangul font: the warning comes first, legible without Hangul, and the program goes on.
start FONTCONFIG_FILE="$work/no-hangul.conf"
box=$("$xwin" wait --pid "$app_pid" Bandalyx 10000) || fail "no Hangul font: no message box"
"$xwin" shot "$box" "$outdir/no-hangul-font.png" || fail "cannot photograph the message box"
one_line_saying "no Hangul font" "fonts-nanum"
"$xwin" key "$box" Return || fail "cannot send Return"
finish "no Hangul font"
echo "no Hangul font: warned, then ran -> $outdir/no-hangul-font.png"

# Another Hangul family in NanumGothic's place: nothing to warn about.
start FONTCONFIG_FILE="$work/no-nanumgothic.conf"
finish "no NanumGothic"
[ ! -s "$work/stderr" ] || fail "no NanumGothic: unexpected standard error"
echo "no NanumGothic: ran without a warning"

# No program on PATH can open a web page: the About box's page button shows the address.
mkdir "$work/empty"
start -u BROWSER -u DEFAULT_BROWSER -u XDG_CURRENT_DESKTOP PATH="$work/empty"
main=$("$xwin" wait --pid "$app_pid" "$title" 10000) || fail "no web browser: no main window"
"$xwin" key "$main" alt+a || fail "cannot send Alt+A"
about=$("$xwin" wait --pid "$app_pid" --exclude "$main" "$title" 5000) || fail "no About box"
"$xwin" key "$about" Tab || fail "cannot send Tab"
"$xwin" key "$about" space || fail "cannot press the page button"
box=$("$xwin" wait --pid "$app_pid" --exclude "$main" --exclude "$about" "$title" 5000) ||
    fail "no web browser: no message"
"$xwin" shot "$box" "$outdir/no-web-browser.png" || fail "cannot photograph the message"
one_line_saying "no web browser" "bandalyx: could not open https://bandalyx.example.org/"
"$xwin" key "$box" Escape || fail "cannot send Escape"
"$xwin" gone "$box" 5000 || fail "no web browser: Escape left the message open"
finish "no web browser"
echo "no web browser: told, with the address -> $outdir/no-web-browser.png"

# The X server dies under the running program (last: the server is gone after it).
start
"$xwin" wait --pid "$app_pid" "$title" 10000 >/dev/null || fail "X server gone: no main window"
display=$DISPLAY
stop_xvfb
"$xwin" exited "$app_pid" 5000 || fail "X server gone: still running"
status=0
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 1 ] || fail "X server gone: exited with status $status, not 1"
one_line_saying "X server gone" "bandalyx: lost the connection to the X11 display '$display'"
echo "X server gone: told in one line, status 1"

#!/usr/bin/env bash
# Runs Bandalyx on a private Xvfb server, photographs its window and closes it the way a window
# manager would; the program must then exit with status 0 within 5 s.
# On the way it opens and photographs the About box (Alt+A) and the guide (Alt+H), checks that
# all three have fixed frames, and closes the main window while both are open. Then it starts the program again under a window manager
# (openbox), which frames it as a desktop would, and reads where the client area landed.
# Exit status 77 (a skip for CTest) when Xvfb is not installed.
set -euo pipefail

# shellcheck source=tests/realwindow.sh
source "$(dirname "$0")/realwindow.sh"

# Fails, adding the program's exit status if it has ended, so that a crash says so.
fail_app() {
    local status=0
    if [ -n "$app_pid" ] && ! kill -0 "$app_pid" 2>/dev/null; then
        wait "$app_pid" || status=$?
        app_pid=
        fail "$* (Bandalyx exited with status $status)"
    fi
    fail "$*"
}

# Closes the main window as a window manager would; the program must then exit with status 0
# within exit_ms (5 s; 20 s under Wine). $1 says where, for the messages.
close_main() {
    local status=0
    "$xwin" close "$main" || fail_app "cannot close the main window$1"
    "$xwin" exited "$app_pid" "$exit_ms" ||
        fail_app "Bandalyx still running $((exit_ms / 1000)) s after its window was closed$1"
    wait "$app_pid" || status=$?
    app_pid=
    [ "$status" -eq 0 ] || fail "Bandalyx exited with status $status$1"
}

# A fixed frame: the window gives the window manager a minimum size equal to its maximum one,
# as Qt does on X11 and Wine does for a Windows window that cannot be resized. With
# BANDALYX_MAIN_SIZE ("425 by 270"), the main window must be that size too.
check_fixed_frame() {
    local hints min max
    hints=$(xprop -id "$1" WM_NORMAL_HINTS) || fail_app "cannot read the size hints of the $2"
    min=$(sed -n 's/.*minimum size: //p' <<<"$hints")
    max=$(sed -n 's/.*maximum size: //p' <<<"$hints")
    [ -n "$min" ] && [ "$min" = "$max" ] || fail_app "the $2 can be resized:
$hints"
    echo "$2: fixed at $min"
    if [ "$2" = "main window" ] && [ -n "${BANDALYX_MAIN_SIZE:-}" ]; then
        [ "$min" = "$BANDALYX_MAIN_SIZE" ] ||
            fail_app "the main window is $min, not $BANDALYX_MAIN_SIZE"
    fi
}

echo "Xvfb on $DISPLAY"

# The program is this script's child, so that `wait` can give its exit status. `xwin wait`
# subscribes to new windows before it looks at existing ones, so starting the program first is
# not a race; --pid makes it give up at once if the program dies.
"${run[@]}" &
app_pid=$!
main=$("$xwin" wait --pid "$app_pid" "$title" "$start_ms") || fail_app "no main window"
"$xwin" shot "$main" "$outdir/frmMain.png" || fail_app "cannot photograph the main window"
echo "main window $main -> $outdir/frmMain.png"
check_fixed_frame "$main" "main window"

{
    # The About box has the main window's title, so it is the other window with that title.
    "$xwin" key "$main" alt+a || fail_app "cannot send Alt+A"
    about=$("$xwin" wait --pid "$app_pid" --exclude "$main" "$title" "$window_ms") ||
        fail_app "Alt+A opened no About box"
    "$xwin" shot "$about" "$outdir/frmAbout.png" || fail_app "cannot photograph the About box"
    check_fixed_frame "$about" "About box"
    "$xwin" key "$about" Escape || fail_app "cannot send Escape"
    "$xwin" gone "$about" "$window_ms" || fail_app "Escape did not close the About box"

    "$xwin" key "$main" alt+h || fail_app "cannot send Alt+H"
    guide=$("$xwin" wait --pid "$app_pid" "$title 도움말" "$window_ms") || fail_app "Alt+H opened no guide"
    "$xwin" shot "$guide" "$outdir/frmGuide.png" || fail_app "cannot photograph the guide"
    check_fixed_frame "$guide" "guide"
    echo "About box $about and guide $guide photographed"

    # Both open again when the main window goes: they must not keep the program alive.
    "$xwin" key "$main" alt+a || fail_app "cannot send Alt+A"
    "$xwin" wait --pid "$app_pid" --exclude "$main" "$title" "$window_ms" >/dev/null ||
        fail_app "Alt+A opened no About box the second time"
}

close_main ""
echo "Bandalyx exited with status 0"

# The client area, below the menu bar, belongs at (6270, 2235) twips: (418, 149) pixels. The
# resistor picture stands 16, 24 pixels into it (Frame4 at 8, 8, and Picture2 at 8, 16 in the
# frame); its left end, clear of every band, shows where it landed.
if ! command -v openbox >/dev/null 2>&1; then
    echo "SKIP: the placement under a window manager needs openbox (Debian package openbox)"
    exit 0
fi
start_window_manager "$work" || fail "openbox did not start"
"${run[@]}" &
app_pid=$!
main=$("$xwin" wait --pid "$app_pid" "$title" "$start_ms") || fail_app "no main window under openbox"
resistor="$(dirname "$0")/../resources/resistor.png"
at=$("$xwin" locate "$main" "$resistor" 0 0 33 73) || fail_app "the resistor picture is not shown"
[ "$at" = "434 173" ] ||
    fail_app "under openbox the resistor picture is at ($at), not (434 173): the client area is misplaced"
echo "under openbox the client area is at (418, 149)"
close_main " under openbox"

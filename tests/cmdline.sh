#!/usr/bin/env bash
# Runs the real program with command lines and settings that end it before any window, and
# checks the exit status and where its words go. None of these needs a display, so none is given
# but Qt's offscreen platform where Qt must start; a program that does not end fails its check.
set -euo pipefail
bandalyx=$1
# The Windows build's program runs through its launcher (BANDALYX_LAUNCHER, under Wine).
run=("$bandalyx")
[ -z "${BANDALYX_LAUNCHER:-}" ] || run=("$BANDALYX_LAUNCHER" "$bandalyx")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# check NAME STATUS STDOUT-LINES STDERR-LINES TEXT [NAME=VALUE...] ARG...: TEXT is looked for in
# the output the program's words should go to (standard output for status 0, standard error
# otherwise); NAME=VALUE sets an environment variable first.
check() {
    local name=$1 want=$2 out_lines=$3 err_lines=$4 text=$5 status=0 settings=()
    shift 5
    while [[ $# -gt 0 && $1 =~ ^[A-Z_]+= ]]; do
        settings+=("$1")
        shift
    done
    (ulimit -c 0 && timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        "${settings[@]}" "${run[@]}" "$@" >"$work/out" 2>"$work/err") || status=$?
    local words=$work/out
    [ "$want" -eq 0 ] || words=$work/err
    if [ "$status" -ne "$want" ] || ! grep -qF -- "$text" "$words" ||
        { [ "$out_lines" != any ] && [ "$(wc -l <"$work/out")" -ne "$out_lines" ]; } ||
        [ "$(wc -l <"$work/err")" -ne "$err_lines" ]; then
        echo "FAIL: $name: status $status (want $want)" >&2
        sed 's/^/  stdout: /' "$work/out" >&2
        sed 's/^/  stderr: /' "$work/err" >&2
        failures=$((failures + 1))
    else
        echo "ok: $name"
    fi
}

check "--help" 0 any 0 "Usage: bandalyx [OPTION]..." --help
check "-h" 0 any 0 "Usage: bandalyx [OPTION]..." -h
check "--version" 0 1 0 "bandalyx 1.0" --version
check "unknown option" 2 0 2 "bandalyx: unknown option '--frobnicate'" --frobnicate
# Windows always has its desktop: there the program would open its window, and no display
# variable means anything.
case $bandalyx in
    *.exe) ;;
    *)
        check "no display" 1 0 1 "bandalyx: no display"
        # A display that cannot be opened: one line naming it, and status 1, not Qt's abort.
        # The X11 display number is one no server here takes.
        check "X11 display not there" 1 0 1 "bandalyx: cannot open the X11 display ':4711'" \
            DISPLAY=:4711
        check "-display not there" 1 0 1 "bandalyx: cannot open the X11 display ':4711'" \
            -display :4711
        check "Wayland socket alone, no X11" 1 0 1 \
            "cannot open the X11 display: DISPLAY is unset" WAYLAND_DISPLAY=no-such-socket
        ;;
esac
# A scale below 1, which Qt cannot draw at.
for scale in 0.5 0.75 0; do
    check "QT_SCALE_FACTOR=$scale" 1 0 1 \
        "bandalyx: cannot draw the windows on a screen scaled by $scale (QT_SCALE_FACTOR=$scale)" \
        QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" QT_SCALE_FACTOR=$scale
done
# Qt's own options reach Qt untouched: Qt names the platform plugin it lacks.
check "no such Qt platform" 1 0 1 "bandalyx: no Qt platform 'bogus'" QT_QPA_PLATFORM=bogus
check "-platform reaches Qt" 1 0 1 "bandalyx: no Qt platform 'nosuchplugin'" \
    --platform nosuchplugin
[ "$failures" -eq 0 ]

# shellcheck shell=bash
# Sourced by the real-window tests, which take BANDALYX XWIN OUTDIR: checks the arguments, skips
# (exit status 77 for CTest) without Xvfb, makes a scratch folder `work` that goes at exit with
# the program, any window manager and the server, and starts a private Xvfb. The caller starts
# the program in the background and keeps its pid in app_pid.
if [ $# -ne 3 ]; then
    echo "usage: $0 BANDALYX XWIN OUTDIR" >&2
    exit 2
fi
bandalyx=$1
xwin=$2
outdir=$3
title="Bandalyx v1.0"
# How to start the program: itself, or through a launcher such as the Windows build's wine-run,
# which the program replaces, so that its pid and exit status stay the program's.
# Wine takes seconds, not milliseconds, to start a program and to tear a closed one down:
# `start_ms`, `window_ms` (a window opened or closed by a key) and `exit_ms` allow for it.
run=("$bandalyx")
start_ms=10000
window_ms=5000
exit_ms=5000
if [ -n "${BANDALYX_LAUNCHER:-}" ]; then
    run=("$BANDALYX_LAUNCHER" "$bandalyx")
    start_ms=30000
    window_ms=20000
    exit_ms=20000
fi

if ! command -v Xvfb >/dev/null 2>&1; then
    echo "SKIP: Xvfb is not installed (Debian package xvfb)"
    exit 77
fi

# Says why and stops, with what the program wrote to $work/stderr, if anything.
fail() {
    echo "FAIL: $*" >&2
    if [ -s "$work/stderr" ]; then sed 's/^/  stderr: /' "$work/stderr" >&2; fi
    exit 1
}

mkdir -p "$outdir"
work=$(mktemp -d)
app_pid=
cleanup() {
    if [ -n "$app_pid" ]; then kill -KILL "$app_pid" 2>/dev/null || true; fi
    stop_window_manager
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source=tools/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../tools/xvfb.sh"
start_xvfb "$work" || fail "Xvfb did not start"
# A Windows program takes Qt's `windows` platform, whatever suits a Linux one.
[ -z "${BANDALYX_LAUNCHER:-}" ] || unset QT_QPA_PLATFORM

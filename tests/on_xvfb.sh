#!/usr/bin/env bash
# Runs a command on a private Xvfb server with one screen of the given size, as real X11 windows,
# and exits with its status. Exit status 77 (a skip for CTest) when Xvfb is not installed.
set -euo pipefail

if [ $# -lt 2 ]; then
    echo "usage: $0 WxHxDEPTH COMMAND [ARG...]" >&2
    exit 2
fi
screen=$1
shift

if ! command -v Xvfb >/dev/null 2>&1; then
    echo "SKIP: Xvfb is not installed (Debian package xvfb)"
    exit 77
fi

work=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$work"' EXIT
# shellcheck source=tools/xvfb.sh
source "$(dirname "$0")/../tools/xvfb.sh"
start_xvfb "$work" "$screen" || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
status=0
"$@" || status=$?
exit "$status"

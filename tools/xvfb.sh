# shellcheck shell=bash
# Sourced by the scripts that need a private X server (the real-window tests, the start-up
# benchmark). start_xvfb WORKDIR [WxHxDEPTH] starts Xvfb on a display it picks itself, with one
# screen of that size (1280x1024x24 unless given), exports DISPLAY for real X11 windows and sets
# xvfb_pid; stop_xvfb ends it. Returns non-zero if no server came up.
# start_window_manager and stop_window_manager (below) do the same for openbox.
xvfb_pid=

start_xvfb() {
    local work=$1 screen=${2:-1280x1024x24} display=
    # Xvfb picks a free display itself and writes its number once it accepts clients, so there
    # is neither a race for a number nor a wait for the server to come up.
    mkfifo "$work/displayfd"
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp \
        3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    read -r -t 10 display <"$work/displayfd" || true
    if [ -z "$display" ]; then
        cat "$work/xvfb.log" >&2
        return 1
    fi
    # Real X11 windows whatever the caller's environment says; the runtime dir silences Qt.
    export DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"
    unset WAYLAND_DISPLAY
}

stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    fi
}

# start_window_manager WORKDIR starts openbox on the server and sets wm_pid; it returns once
# openbox has finished starting and manages windows (an earlier window may never be mapped).
# Returns non-zero if it did not come up.
wm_pid=

start_window_manager() {
    local work=$1 ready=
    mkfifo "$work/wmready"
    openbox --sm-disable --startup "sh -c 'echo ready >\"$work/wmready\"'" \
        >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    read -r -t 10 ready <"$work/wmready" || true
    if [ "$ready" != ready ]; then
        cat "$work/openbox.log" >&2
        return 1
    fi
}

stop_window_manager() {
    if [ -n "$wm_pid" ]; then
        kill "$wm_pid" 2>/dev/null || true
        wait "$wm_pid" 2>/dev/null || true
        wm_pid=
    fi
}

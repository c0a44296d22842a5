#!/usr/bin/env bash
# Start-up of Bandalyx against its floor, a window of the same size and widgets with nothing
# behind it (bench_floor_startup). Each run is timed by `xwin launch` from exec to the map of the
# main window on a private Xvfb server, and the peak resident memory (VmHWM) is read right after
# the map; then the program is ended before the next run starts. The programs take turns, so
# drift on the machine hits all of them alike.
#
# With --parts, floors with one part changed run in the same rotation, to show what each part
# of a start-up costs.
#
# Reports figures only: the exit status says whether the runs could be made, never how fast.
set -euo pipefail

usage() {
    echo "usage: $0 [--parts] BANDALYX FLOOR XWIN [RUNS]   (RUNS: 15 or more, default 21)" >&2
    exit 2
}

parts=false
if [ "${1:-}" = --parts ]; then
    parts=true
    shift
fi
if [ $# -lt 3 ] || [ $# -gt 4 ]; then usage; fi
bandalyx=$1
floor=$2
xwin=$3
runs=${4:-21}
case $runs in '' | *[!0-9]*) usage ;; esac
[ "$runs" -ge 15 ] || usage

app_title="Bandalyx v1.0"
floor_title="Bandalyx floor"
time_goal=1.15 # app/floor
memory_goal=5  # MiB over the floor

if ! command -v Xvfb >/dev/null 2>&1; then
    echo "start-up: Xvfb is not installed (Debian package xvfb)" >&2
    exit 1
fi

work=$(mktemp -d)
running=
cleanup() {
    if [ -n "$running" ]; then kill -KILL "$running" 2>/dev/null || true; fi
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source=tools/xvfb.sh
source "$(dirname "$0")/../tools/xvfb.sh"
start_xvfb "$work" || { echo "start-up: Xvfb did not start" >&2; exit 1; }

# One start: prints "<ms from exec to map> <VmHWM KiB>", then ends the program. The program is
# not our child (xwin started it), so its end is awaited through xwin.
run_once() {
    local title=$1 out pid ms kib
    shift
    if ! out=$("$xwin" launch "$title" 10000 -- "$@" 2>>"$work/programs.log"); then
        cat "$work/programs.log" >&2
        echo "start-up: no window '$title' from $*" >&2
        exit 1
    fi
    read -r pid _ ms <<<"$out"
    running=$pid
    kib=$("$xwin" vmhwm "$pid")
    kill -TERM "$pid" 2>/dev/null || true
    if ! "$xwin" exited "$pid" 2000 2>/dev/null; then
        kill -KILL "$pid" 2>/dev/null || true
        "$xwin" exited "$pid" 2000 2>/dev/null || true
    fi
    running=
    # A moment for the server to drop the old client before the next one connects.
    sleep 0.05
    echo "$ms $kib"
}

start() {
    case $1 in
    app) run_once "$app_title" "$bandalyx" ;;
    floor) run_once "$floor_title" "$floor" ;;
    no-picture) run_once "$floor_title" "$floor" --no-picture ;;
    ascii) run_once "$floor_title" "$floor" --ascii ;;
    qt-font) run_once "$floor_title" "$floor" --qt-font ;;
    icon) run_once "$floor_title" "$floor" --window-icon ;;
    guide) run_once "$floor_title" "$floor" --hidden-guide ;;
    icon+guide) run_once "$floor_title" "$floor" --window-icon --hidden-guide ;;
    esac
}

describe() {
    case $1 in
    app) echo "Bandalyx" ;;
    floor) echo "the floor" ;;
    no-picture) echo "floor without the resistor picture" ;;
    ascii) echo "floor with ASCII captions" ;;
    qt-font) echo "floor in Qt's default font" ;;
    icon) echo "floor with the window icon" ;;
    guide) echo "floor with a hidden guide window" ;;
    icon+guide) echo "floor with the icon and hidden guide" ;;
    esac
}

if $parts; then
    names=(floor app no-picture ascii qt-font icon guide icon+guide)
else
    names=(floor app)
fi

# One unmeasured start of each first, so that all find the files in the page cache.
for name in "${names[@]}"; do
    start "$name" >/dev/null
done
for ((i = 0; i < runs; i++)); do
    for name in "${names[@]}"; do
        start "$name" >>"$work/$name"
    done
done

# "<median> <min> <max>" of one column of a file of runs.
stats() {
    sort -g -k"$1,$1" "$2" | awk -v c="$1" '{ v[NR] = $c }
        END {
            m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            print m, v[1], v[NR]
        }'
}

read -r floor_ms _ _ < <(stats 1 "$work/floor")
read -r floor_kib _ _ < <(stats 2 "$work/floor")

echo "Start-up: exec to the map of the main window on a private Xvfb (1280x1024x24),"
echo "$runs runs of each, taken in turn after one unmeasured run; VmHWM read right after the map."
printf '  %-38s %8s %6s %6s %12s %6s\n' "" "median ms" "min" "max" "VmHWM MiB" "max"
for name in "${names[@]}"; do
    read -r ms ms_min ms_max < <(stats 1 "$work/$name")
    read -r kib _ kib_max < <(stats 2 "$work/$name")
    awk -v n="$(describe "$name")" -v ms="$ms" -v lo="$ms_min" -v hi="$ms_max" -v kib="$kib" \
        -v kmax="$kib_max" -v fms="$floor_ms" -v fkib="$floor_kib" -v parts="$parts" '
        function tenth(x) { return int(x * 10 + (x < 0 ? -0.5 : 0.5)) / 10 + 0 } # + 0: no "-0.0"
        BEGIN {
            line = sprintf("  %-38s %9.1f %6.1f %6.1f %12.1f %6.1f", n, ms, lo, hi,
                           kib / 1024, kmax / 1024)
            if (parts == "true" && n != "the floor")
                line = line sprintf("   %+6.1f ms %+5.1f MiB", tenth(ms - fms),
                                    tenth((kib - fkib) / 1024))
            print line
        }'
done
if $parts; then
    echo "  (the last columns: median time and median memory over the floor)"
    exit 0
fi

read -r app_ms _ _ < <(stats 1 "$work/app")
read -r app_kib _ _ < <(stats 2 "$work/app")
awk -v ams="$app_ms" -v akib="$app_kib" -v fms="$floor_ms" -v fkib="$floor_kib" \
    -v tgoal="$time_goal" -v mgoal="$memory_goal" '
    function tenth(x) { return int(x * 10 + (x < 0 ? -0.5 : 0.5)) / 10 + 0 } # + 0: no "-0.0"
    BEGIN {
        ratio = ams / fms
        extra = tenth((akib - fkib) / 1024)
        printf "  time   app/floor %.2f   (goal: within %.2f× the floor: %s)\n", ratio, tgoal,
               ratio <= tgoal ? "met" : "not met"
        printf "  memory app-floor %+.1f MiB   (goal: within %d MiB of the floor: %s)\n", extra,
               mgoal, extra <= mgoal ? "met" : "not met"
        printf "start-up   app  %.1f ms  %.1f MiB   floor %.1f ms  %.1f MiB   ratio %.2f  (%+.1f MiB)\n",
               ams, akib / 1024, fms, fkib / 1024, ratio, extra
    }'

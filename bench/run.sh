#!/usr/bin/env bash
# What `make bench` runs: start-up, click to redraw and the engine, each beside its floor where
# it has one, then a summary of the three. RUNS sets the start-up runs (default 21).
# Reports figures only: the exit status says whether every benchmark ran, never how fast.
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
build=$1
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

echo "== start-up"
if ! "$here/startup.sh" "$build/app/bandalyx" "$build/bench/bench_floor_startup" \
    "$build/tools/xwin" "${RUNS:-21}" | tee "$work/startup"; then
    status=1
fi

echo
echo "== click to redraw"
if ! QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" "$build/bench/bench_clicks" |
    tee "$work/clicks"; then
    status=1
fi

echo
echo "== engine"
if [ -x "$build/bench/bench_engine" ]; then
    "$build/bench/bench_engine" --benchmark_out="$work/engine.csv" \
        --benchmark_out_format=csv || status=1
else
    echo "bench_engine was not built: Google Benchmark (libbenchmark-dev) is missing"
    status=1
fi

# The summary lines the benchmarks printed, or what is missing.
line() {
    grep -m1 "^$1 " "$2" 2>/dev/null || echo "$1 (no figure: see above)"
}
echo
echo "== summary"
line start-up "$work/startup"
line click "$work/clicks"
if [ -s "$work/engine.csv" ]; then
    awk -F, '$1 == "\"colourClick\"" { c = $3 } $1 == "\"kindReset\"" { k = $3 }
        $1 == "\"typedValue\"" { t = $3 } $1 == "\"typedParse\"" { p = $3 }
        $1 == "\"clickTooltips\"" { x = $3 }
        END {
            printf "engine     colour click %.0f ns, typed value %.0f ns (parse + encode %.0f ns), ", c, t, p
            printf "kind reset %.0f ns, click tooltips %.0f ns\n", k, x
        }' "$work/engine.csv"
else
    echo "engine (no figure: see above)"
fi
exit "$status"

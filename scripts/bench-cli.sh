#!/usr/bin/env bash
# Streams a 100,000-row random pipe schedule through vendrel-calc --csv and
# compares its time with the same rows calculated in-process (Google
# Benchmark), and its peak memory with a 10,000-row run.
#   scripts/bench-cli.sh [build-dir]      (default: build-release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
rows=100000
runs=7

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVENDREL_BUILD_GUI=ON -DVENDREL_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target vendrel-calc vendrel_bench vendrel_make_schedule >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/vendrel_make_schedule" "$rows" >"$work/schedule.csv"
"$build/bench/vendrel_make_schedule" 10000 >"$work/small.csv"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# The schedule holds rows that cannot be calculated on purpose: status 1, and
# a report on stderr, are expected.
calc_csv() { "$build/cli/vendrel-calc" --csv "$1" 2>/dev/null || [ $? -eq 1 ]; }

cli_ms=$(for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    calc_csv "$work/schedule.csv" >/dev/null
    echo $(( ($(date +%s%N) - start) / 1000 ))
done | median)
cli_ms=$(awk -v us="$cli_ms" 'BEGIN { printf "%.1f", us / 1000 }')

calc_ms=$("$build/bench/vendrel_bench" --benchmark_filter='BM_CalculateSchedule' \
    --benchmark_repetitions="$runs" --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
    awk -F, '/_median"/ { printf "%.1f", $3 }')

peak_kib() { { /usr/bin/time -f %M "$build/cli/vendrel-calc" --csv "$1" 2>&1 >/dev/null || true; } | tail -n 1; }
small_kib=$(peak_kib "$work/small.csv")
large_kib=$(peak_kib "$work/schedule.csv")

echo "rows:                      $rows"
echo "vendrel-calc --csv:        $cli_ms ms (median of $runs runs, process start included)"
echo "Calculate in-process:      $calc_ms ms (median of $runs runs)"
awk -v a="$cli_ms" -v b="$calc_ms" 'BEGIN { printf "ratio:                     %.2f (limit 1.35)\n", a / b }'
echo "peak memory:               $small_kib KiB for 10,000 rows, $large_kib KiB for $rows rows"

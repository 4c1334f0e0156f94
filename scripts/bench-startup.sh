#!/usr/bin/env bash
# Time from launch to a mapped window, and peak memory, for the calculator and
# for a minimal Qt dialog program, alternating runs on a virtual display.
#   scripts/bench-startup.sh [build-dir] [runs]   (default: build-release, 7)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
runs=${2:-7}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVENDREL_BUILD_GUI=ON -DVENDREL_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target vendrel vendrel_mapwatch vendrel_minimal_dialog >/dev/null

source scripts/xvfb.sh

declare -A map_ms peak_kib
programs=(vendrel vendrel_minimal_dialog)
paths=("$build/ui/qt/vendrel" "$build/bench/vendrel_minimal_dialog")
# One unmeasured run each, so both start with warm file caches.
for path in "${paths[@]}"; do "$build/bench/vendrel_mapwatch" "$path" >/dev/null; done
for _ in $(seq "$runs"); do
    for i in 0 1; do
        result=$("$build/bench/vendrel_mapwatch" "${paths[i]}")
        map_ms[${programs[i]}]+="${result#map_ms=}"$'\n'
        peak_kib[${programs[i]}]+="${result#*peak_kib=}"$'\n'
    done
done

median() { grep -oE '^[0-9.]+' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for p in "${programs[@]}"; do
    printf '%-24s start-up to mapped window %7.1f ms   peak memory %7d KiB   (medians of %d runs)\n' \
        "$p" "$(median <<<"${map_ms[$p]}")" "$(median <<<"${peak_kib[$p]}")" "$runs"
done
awk -v a="$(median <<<"${map_ms[vendrel]}")" -v b="$(median <<<"${map_ms[vendrel_minimal_dialog]}")" \
    -v c="$(median <<<"${peak_kib[vendrel]}")" -v d="$(median <<<"${peak_kib[vendrel_minimal_dialog]}")" \
    'BEGIN { printf "ratios: start-up %.2f, peak memory %.2f (limit 1.25 each)\n", a / b, c / d }'

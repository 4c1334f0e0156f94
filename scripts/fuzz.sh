#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) and runs each for the
# given number of seconds, starting from the corpus in fuzz/corpus.
#   scripts/fuzz.sh [seconds-per-target]      (default 300)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" >/dev/null

for target in calculate_fuzz csvreader_fuzz seriesfile_fuzz circuitreader_fuzz circuitpaste_fuzz; do
    corpus=$(mktemp -d)
    seeds=fuzz/corpus/${target%_fuzz}
    echo "== $target: $seconds s"
    status=0
    ./build-fuzz/fuzz/$target -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
        "$corpus" "$seeds" >"$corpus.log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done)|ERROR|SUMMARY|unexpected' "$corpus.log" || true
    [ "$status" -eq 0 ] || tail -n 40 "$corpus.log"
    rm -rf "$corpus" "$corpus.log"
    [ "$status" -eq 0 ] || { echo "$target found a problem (exit $status)"; exit 1; }
done

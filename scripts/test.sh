#!/usr/bin/env bash
# Installs what the tests need, then builds and runs every test twice: in an
# optimised build and under AddressSanitizer + UndefinedBehaviorSanitizer;
# finally gives each libFuzzer target a short run.
#   scripts/test.sh               (set VENDREL_FUZZ_SECONDS to change the fuzz run)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
log=$(mktemp)
trap 'rm -f "$log"' EXIT

bash scripts/install-deps.sh --test

passed=0
failed=0
skipped=0
for preset in release sanitize; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$jobs"
    status=0
    ctest --preset "$preset" -j"$jobs" | tee "$log" || status=$?
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
    bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$summary")
    if [ -z "$summary" ]; then total=0; bad=1; fi
    [ "$status" -eq 0 ] || [ "$bad" -gt 0 ] || bad=1
    # ctest counts a skipped test as passed; it lists them as "(Skipped)".
    skip=$(grep -cE '^[[:space:]]*[0-9]+ - .* \(Skipped\)$' "$log" || true)
    passed=$((passed + total - bad - skip))
    failed=$((failed + bad))
    skipped=$((skipped + skip))
done

echo "== fuzz"
if bash scripts/fuzz.sh "${VENDREL_FUZZ_SECONDS:-20}"; then
    passed=$((passed + 2))
else
    failed=$((failed + 1))
fi

echo "vendrel: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]

#!/usr/bin/env bash
# Installs what the tests need, then builds and runs every test twice: in an
# optimised build and under AddressSanitizer + UndefinedBehaviorSanitizer;
# then the Windows edition, cross-built with mingw-w64 and tested under Wine;
# finally gives each libFuzzer target a short run.
#   scripts/test.sh               (set VENDREL_FUZZ_SECONDS to change the fuzz run)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
log=$(mktemp)
wine_prefix=$PWD/build-windows/wineprefix
stop_wineserver() {
    [ -d "$wine_prefix" ] && WINEPREFIX=$wine_prefix wineserver -k 2>/dev/null || true
}
trap 'stop_wineserver; rm -f "$log"' EXIT

bash scripts/install-deps.sh --test || {
    echo "vendrel: the build and test tools could not be installed, among them mingw-w64 and Wine" \
        "for the Windows edition (scripts/install-deps.sh --test): no test was run"
    echo "vendrel: 0 passed, 1 failed"
    exit 1
}

passed=0
failed=0
skipped=0
# Runs the tests of a preset and adds its results to the counts.
# run_tests PRESET [CTEST-OPTION...]
run_tests() {
    local status=0 summary total bad skip
    ctest --preset "$1" -j"$jobs" "${@:2}" | tee "$log" || status=$?
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
}

for preset in release sanitize; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$jobs"
    run_tests "$preset"
done

echo "== windows"
missing=()
for tool in x86_64-w64-mingw32-g++-posix wine wineserver; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "windows: cannot build or test the Windows edition: ${missing[*]} missing" \
        "(scripts/install-deps.sh --windows installs mingw-w64 and Wine)"
    failed=$((failed + 1))
else
    bash scripts/wine-prefix.sh --graphics=null "$wine_prefix"
    cmake --preset windows >/dev/null
    cmake --build --preset windows -j"$jobs"
    # One wineserver for the whole run: each test program then starts at once
    # instead of waiting for Wine's start-up and shut-down. The first program
    # starts Wine's services, which keep its standard streams open for as long
    # as they live: here /dev/null, not the pipe ctest waits on.
    export WINEPREFIX=$wine_prefix WINEDEBUG=-all
    wineserver -p
    wine cmd /c exit </dev/null >/dev/null 2>&1
    # Now and then Wine fails to start a program at all (no output, status 1,
    # mostly with two starting at once): one at a time, and such a start is
    # tried once more. A test that fails in earnest fails twice.
    jobs=1 run_tests windows --repeat until-pass:2
    stop_wineserver
    unset WINEPREFIX WINEDEBUG
fi

echo "== fuzz"
if bash scripts/fuzz.sh "${VENDREL_FUZZ_SECONDS:-20}"; then
    passed=$((passed + 4))
else
    failed=$((failed + 1))
fi

echo "vendrel: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]

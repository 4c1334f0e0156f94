#!/usr/bin/env bash
# Streams a wide random schedule through vendrel-calc and through
# vendrel-calc-mpfr, the same program with MPFR's correctly rounded maths, and
# wants the same bytes, messages and exit status.
#   check-mpfr-calc.sh CALC MPFR_CALC MAKE_SCHEDULE ROWS SEED
set -euo pipefail
calc=$1 mpfr_calc=$2 make_schedule=$3 rows=$4 seed=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$make_schedule" --wide "$rows" "$seed" >"$work/rows.csv"
# run NAME PROGRAM: its output, messages and exit status for the schedule.
run() {
    local status=0
    "$2" --csv "$work/rows.csv" >"$work/$1.out" 2>"$work/$1.err" || status=$?
    echo "$status" >"$work/$1.status"
}
run ours "$calc"
run mpfr "$mpfr_calc"

if cmp -s "$work/ours.out" "$work/mpfr.out" && cmp -s "$work/ours.err" "$work/mpfr.err" &&
    cmp -s "$work/ours.status" "$work/mpfr.status"; then
    echo "$rows rows (seed $seed): the same bytes as with MPFR's maths"
    exit 0
fi
echo "$(diff "$work/ours.out" "$work/mpfr.out" | grep -c '^<' || true) of $rows rows differ from MPFR's maths" \
    "(seed $seed); vendrel-calc <, MPFR >:"
diff "$work/ours.out" "$work/mpfr.out" | head -n 40 || true
diff "$work/ours.err" "$work/mpfr.err" | head -n 10 || true
exit 1

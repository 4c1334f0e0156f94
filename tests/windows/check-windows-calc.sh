#!/usr/bin/env bash
# Runs vendrel-calc.exe under Wine ($WINE, in $WINEPREFIX) and wants the very
# bytes the Linux vendrel-calc writes.
#   check-windows-calc.sh worked-example EXE
#   check-windows-calc.sh schedule EXE LINUX_CALC MAKE_SCHEDULE ROWS EXAMPLES
set -euo pipefail
wine=${WINE:-wine}
# Wine hands the arguments to the program in UTF-16, converted from the
# locale's character set.
export LC_ALL=C.UTF-8
# No series or materials of a user's own on the Linux side either.
export XDG_DATA_HOME=/nonexistent
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# same FILE_A FILE_B WHAT: fails showing the first differences.
same() {
    cmp -s "$1" "$2" && return 0
    echo "$3 differ:"
    diff "$1" "$2" | head -n 20
    return 1
}

case "$1" in
worked-example)
    exe=$2
    status=0
    "$wine" "$exe" --flow 10 --diameter 50 >"$work/out" 2>"$work/err" || status=$?
    printf '%s\n' '实际流速(V:m/s) 1.414711' '雷诺数(Re) 54161' '摩擦阻力系数(λ) 0.030320' \
        '比摩阻(Rf:mm水柱/m) 61.875887' '粗糙雷诺数(Re*) 13.337383' '过渡区：λ误差为-0.029784^-6' >"$work/expected"
    same "$work/expected" "$work/out" "expected and printed results"
    same /dev/null "$work/err" "standard error and nothing"
    [ "$status" -eq 0 ] || { echo "exit status $status"; exit 1; }

    # In a console set to Chinese Windows' code page 936, the program shows
    # its results and messages in UTF-8 and gives 936 back when it ends.
    cd "$(dirname "$exe")"
    script -qec "$wine cmd /c 'chcp 936 >NUL & $(basename "$exe") --flow 3.2 --diameter 50 --roughness 2 & chcp'" \
        /dev/null </dev/null | sed -E 's/\x1b\[[0-9;?]*[A-Za-z]//g' | tr -d '\r' >"$work/console"
    printf '%s\n' '实际流速(V:m/s) 0.452707' '雷诺数(Re) 17331' '摩擦阻力系数(λ)' '比摩阻(Rf:mm水柱/m)' '粗糙雷诺数(Re*)' \
        '迭代失败' "vendrel-calc: no friction law's solution lies in its own zone (迭代失败); by the Colebrook–White law alone λ is 0.066072 and Rf 13.807461 mm/m" \
        'Active code page: 936' >"$work/expected"
    # The console breaks lines at its width: compared without line breaks.
    tr -d '\n' <"$work/expected" >"$work/expected.joined"
    tr -d '\n' <"$work/console" >"$work/console.joined"
    same "$work/expected.joined" "$work/console.joined" "expected and console output"
    ;;
schedule)
    exe=$2 linux_calc=$3 make_schedule=$4 rows=$5 examples=$6
    # compare NAME: Linux's and Windows' results and messages for the input
    # run NAME, byte for byte.
    compare() {
        same "$1.linux.out" "$1.windows.out" "$1: Linux's and Windows' results"
        same "$1.linux.err" "$1.windows.err" "$1: Linux's and Windows' messages"
        [ "$(cat "$1.linux.status")" -eq "$(cat "$1.windows.status")" ] ||
            { echo "$1: exit status $(cat "$1.linux.status") on Linux, $(cat "$1.windows.status") on Windows"; return 1; }
    }
    # run NAME PROGRAM... <INPUT
    run() {
        local name=$1 status=0
        shift
        "$@" >"$name.out" 2>"$name.err" || status=$?
        echo "$status" >"$name.status"
    }

    # A Chinese file name: the .exe gets it in UTF-16, opens it with _wfopen
    # and names it in UTF-8 in the messages on rows it cannot calculate.
    csv="管道表 $rows.csv"
    "$make_schedule" "$rows" >"$work/$csv"
    cd "$work"
    run by-name.linux "$linux_calc" --csv "$csv"
    run by-name.windows "$wine" "$exe" --csv "$csv"
    compare by-name
    [ "$(wc -l <by-name.windows.out)" -eq $((rows + 1)) ] || { echo "not one row out per row in"; exit 1; }

    # Standard input in binary mode: CRLF line ends and a line break quoted in
    # a field reach the reader as they are.
    { sed 's/$/\r/' "$csv"; printf '"1\r\n0",50,0.2,1.306\r\n'; } >crlf.csv
    run stdin.linux "$linux_calc" --csv <crlf.csv
    run stdin.windows "$wine" "$exe" --csv <crlf.csv
    compare stdin

    # A schedule as Excel saves it on a Chinese Windows (GBK, Chinese
    # headers, labels), for Excel again; and the design aids at the rough
    # boundary, where Colebrook–White answers.
    iconv -f UTF-8 -t GBK "$examples/schedule.csv" >gbk.csv
    run gbk.linux "$linux_calc" --csv gbk.csv --bom
    run gbk.windows "$wine" "$exe" --csv gbk.csv --bom
    compare gbk
    for aid in --size --table; do
        args=("$aid" --series gb3091 --material steel-open --temperature 32)
        [ "$aid" = --size ] && args+=(--flow 115)
        run "aid$aid.linux" "$linux_calc" "${args[@]}"
        run "aid$aid.windows" "$wine" "$exe" "${args[@]}"
        compare "aid$aid"
    done
    # Brines and loads: Melinder's polynomials and an exponential, digit for digit.
    printf 'flow,diameter,fluid,concentration,temperature,load,delta_t\n,50,eg,30,-5,100,5\n10,50,pg,40,0,,\n' \
        >brines.csv
    for fluid in eg pg; do
        args=(--size --load 100 --delta-t 5 --fluid "$fluid" --concentration 30 --temperature -5)
        run "brine-$fluid.linux" "$linux_calc" "${args[@]}"
        run "brine-$fluid.windows" "$wine" "$exe" "${args[@]}"
        compare "brine-$fluid"
    done
    run brines.linux "$linux_calc" --csv brines.csv
    run brines.windows "$wine" "$exe" --csv brines.csv
    compare brines
    # The example circuit, its sections and its paths.
    cp "$examples/circuit.csv" circuit.csv
    for format in text csv paths; do
        args=(--circuit circuit.csv)
        [ "$format" = text ] || args+=(--format csv)
        [ "$format" = paths ] && args+=(--paths)
        run "circuit-$format.linux" "$linux_calc" "${args[@]}"
        run "circuit-$format.windows" "$wine" "$exe" "${args[@]}"
        compare "circuit-$format"
    done
    # A bad schedule and a network that is no circuit: the messages in Chinese
    # under a Chinese display language (Wine's, from the locale), in English
    # under an English one, the very bytes of Linux's under the same locale.
    printf 'flow,diameter\n10,50\n10,5o\n' >bad.csv
    printf '管段,起点,终点,流量,长度,管径\nA,P,X,3,5,50\nB,X,Q,1,5,50\nC,X,Q,1,5,50\n' >unbalanced.csv
    for input in bad unbalanced; do
        args=(--csv bad.csv)
        [ "$input" = unbalanced ] && args=(--circuit unbalanced.csv)
        for lang in zh_CN.UTF-8 C.UTF-8; do
            run "$input-$lang.linux" env -u LC_ALL LANG="$lang" "$linux_calc" "${args[@]}"
            run "$input-$lang.windows" env -u LC_ALL LANG="$lang" "$wine" "$exe" "${args[@]}"
            compare "$input-$lang"
        done
        grep -qE '不是数字|流量不平衡' "$input-zh_CN.UTF-8.windows.err" ||
            { echo "$input: the messages are not Chinese in a Chinese display language"; exit 1; }
        grep -qE 'is not a number|does not balance' "$input-C.UTF-8.windows.err" ||
            { echo "$input: the messages are not English in an English display language"; exit 1; }
    done
    ;;
*)
    echo "check-windows-calc.sh: unknown check $1" >&2
    exit 2
    ;;
esac

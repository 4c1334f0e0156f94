#!/usr/bin/env bash
# Runs the calculator under a virtual display with a window manager, types
# the worked example (10 m³/h in a 50 mm bore), presses Enter and saves the
# window as docs/screenshot.png. With "sizes", types 10 m³/h and opens
# "选择标准管径…" from the diameter entry's menu instead, and saves both
# windows side by side as docs/screenshot-sizes.png. With "colebrook", the
# cooling water of an open system: 115 m³/h, K 0.5 mm, water at 32 °C, in
# GB/T 3091 pipe, where the calculator fails at DN150 and the size window
# takes Colebrook–White (docs/screenshot-sizes-colebrook.png). With
# "circuit", the circuit window on the example circuit of res/examples
# (docs/screenshot-circuit.png). With "fluid", 30 m³/h in a 100 mm bore and
# the viscosity's aid on 30 % ethylene glycol at -5 °C, both windows
# (docs/screenshot-fluid.png).
# "balance" is the circuit window on the two-riser example, scrolled to its
# balancing columns (docs/screenshot-circuit-balance.png).
# "circuit" and "balance" take another circuit file as a fourth argument.
#   scripts/screenshot.sh [path-to-vendrel] [output.png] [example|sizes|colebrook|circuit|balance|fluid] [circuit.csv]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/ui/qt/vendrel}
scene=${3:-example}
default_output=docs/screenshot.png
[ "$scene" = sizes ] && default_output=docs/screenshot-sizes.png
[ "$scene" = colebrook ] && default_output=docs/screenshot-sizes-colebrook.png
[ "$scene" = circuit ] && default_output=docs/screenshot-circuit.png
[ "$scene" = fluid ] && default_output=docs/screenshot-fluid.png
[ "$scene" = balance ] && default_output=docs/screenshot-circuit-balance.png
output=${2:-$default_output}
caption='^计算空调水管比摩阻\(迭代\)$' # a regular expression
arguments=()
if [ "$scene" = circuit ] || [ "$scene" = balance ]; then
    [ "$scene" = balance ] && example=res/examples/circuit-two-risers.csv || example=res/examples/circuit.csv
    circuit=${4:-$example}
    caption="^管路水力计算 - $(basename "$circuit")\$"
    arguments=(--circuit "$circuit")
    xvfb_screen=1920x1000x24
fi

source scripts/xvfb.sh
# The user's settings and series of this run only; the size window opens on
# the series remembered there.
user_home=$(mktemp -d)
export XDG_CONFIG_HOME=$user_home/config XDG_DATA_HOME=$user_home/data
mkdir -p "$XDG_CONFIG_HOME/Vendrel"
[ "$scene" = colebrook ] && printf '[General]\nseries=gb3091\n' >"$XDG_CONFIG_HOME/Vendrel/Vendrel.conf"

openbox >/dev/null 2>&1 &
xvfb_children+=("$!")
sleep 0.5
"$program" "${arguments[@]}" &
xvfb_children+=("$!")

window=$(timeout 20 xdotool search --sync --onlyvisible --name "$caption" | head -n 1)
sleep 0.5
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
mkdir -p "$(dirname "$output")"
if [ "$scene" = circuit ] || [ "$scene" = balance ]; then
    xdotool windowmove "$window" 40 40
    # The current cell moved to the last column scrolls the table to it.
    [ "$scene" = balance ] && xdotool key --window "$window" --delay 20 --repeat 40 Right
    sleep 0.7
    import -window "$window" -frame "$output" 2>/dev/null || import -window "$window" "$output"
    echo "saved $output"
    exit 0
fi
if [ "$scene" = fluid ]; then
    xdotool windowmove "$window" 20 20
    xdotool type --delay 50 --window "$window" '30'
    xdotool key --window "$window" Tab
    xdotool type --delay 50 --window "$window" '100'
    xdotool key --window "$window" Tab Tab Menu
    sleep 0.5
    xdotool key Up Up Return
    timeout 20 xdotool search --sync --onlyvisible --name '^按介质和温度计算运动粘滞系数$' >/dev/null
    sleep 0.3
    # From the temperature back to the fluid (water leaves the concentration
    # disabled, out of the tab order): ethylene glycol, 30 %, -5 °C.
    xdotool key shift+Tab Down Tab ctrl+a
    xdotool type --delay 50 '30'
    xdotool key Tab ctrl+a
    xdotool type --delay 50 -- '-5'
    sleep 0.7
    import -window root png:- | convert - -trim +repage "$output"
    echo "saved $output"
    exit 0
fi
if [ "$scene" = colebrook ]; then
    xdotool type --delay 50 --window "$window" '115'
    xdotool key --window "$window" Tab Tab ctrl+a
    xdotool type --delay 50 --window "$window" '0.5'
    # The viscosity's menu has "按介质和温度计算…" last but one: water at 32 °C.
    xdotool key --window "$window" Tab Menu
    sleep 0.5
    xdotool key Up Up Return
    timeout 20 xdotool search --sync --onlyvisible --name '^按介质和温度计算运动粘滞系数$' >/dev/null
    sleep 0.3
    xdotool key ctrl+a
    xdotool type --delay 50 '32'
    xdotool key Return
    sleep 0.5
    xdotool key --window "$window" shift+Tab shift+Tab
else
    xdotool type --delay 50 --window "$window" '10'
    xdotool key --window "$window" Tab
fi
if [ "$scene" = sizes ] || [ "$scene" = colebrook ]; then
    # The menu's last item but one, reached by Up from the top, is the size window.
    xdotool windowmove "$window" 20 20
    xdotool key --window "$window" Menu
    sleep 0.5
    xdotool key Up Up Return
    timeout 20 xdotool search --sync --onlyvisible --name '^选择标准管径$' >/dev/null
    sleep 0.7
    # Both windows on the plain background, cropped to them.
    import -window root png:- | convert - -trim +repage "$output"
    echo "saved $output"
    exit 0
fi
xdotool type --delay 50 --window "$window" '50'
xdotool key --window "$window" Return
sleep 0.5
import -window "$(xdotool getwindowfocus -f 2>/dev/null || echo "$window")" -frame "$output" 2>/dev/null ||
    import -window "$window" "$output"
echo "saved $output"

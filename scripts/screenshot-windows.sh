#!/usr/bin/env bash
# Runs the Windows calculator under Wine on a virtual display, types the
# worked example (10 m³/h in a 50 mm bore), presses Enter and saves the
# dialog as docs/screenshot-windows.png. With "sizes", types 10 m³/h and
# opens "选择标准管径…" from the diameter entry's menu instead, saved as
# docs/screenshot-sizes-windows.png. With "colebrook", open cooling water
# (115 m³/h, K 0.5 mm, 32 °C) in GB/T 3091 pipe, where the size window takes
# Colebrook–White at DN150 (docs/screenshot-sizes-colebrook-windows.png).
# With "circuit", the circuit window alone (vendrel.exe --circuit) on the
# example circuit, at the size it takes when it remembers none
# (docs/screenshot-circuit-windows.png).
# "balance" is the circuit window on the two-riser example, scrolled to its
# balancing columns (docs/screenshot-circuit-balance-windows.png).
# "circuit" and "balance" take another circuit file as a fourth argument.
#   scripts/screenshot-windows.sh [path-to-vendrel.exe] [output.png] [example|sizes|colebrook|circuit|balance] [circuit.csv]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build-windows/ui/win32/vendrel.exe}")
scene=${3:-example}
default_output=docs/screenshot-windows.png
[ "$scene" = sizes ] && default_output=docs/screenshot-sizes-windows.png
[ "$scene" = colebrook ] && default_output=docs/screenshot-sizes-colebrook-windows.png
[ "$scene" = circuit ] && default_output=docs/screenshot-circuit-windows.png
[ "$scene" = balance ] && default_output=docs/screenshot-circuit-balance-windows.png
circuit=res/examples/circuit.csv
[ "$scene" = balance ] && circuit=res/examples/circuit-two-risers.csv && scene=circuit && scroll=yes
circuit=${4:-$circuit}
output=${2:-$default_output}
# A prefix of its own: the tests' one has no graphics driver.
prefix=$PWD/build-windows/wineprefix-desktop
bash scripts/wine-prefix.sh --graphics=default "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The size window opens on the series remembered: GB/T 3091 for colebrook.
if [ "$scene" = colebrook ]; then
    wine reg add 'HKCU\Software\Vendrel' /v series /d gb3091 /f >/dev/null 2>&1
else
    wine reg delete 'HKCU\Software\Vendrel' /v series /f >/dev/null 2>&1 || true
fi
for setting in circuit/windowSize circuit/columnWidths; do
    wine reg delete 'HKCU\Software\Vendrel' /v "$setting" /f >/dev/null 2>&1 || true
done

xvfb_screen=1600x800x24 # room for the size window beside the dialog
[ "$scene" = circuit ] && xvfb_screen=1920x900x24 # and for the whole circuit table
source scripts/xvfb.sh
stop_wine() { wineserver -k 2>/dev/null || true; xvfb_stop; }
trap stop_wine EXIT
# Wine's own desktop window draws Windows' title bars, as a user sees them.
if [ "$scene" = circuit ]; then
    wine explorer /desktop=vendrel,1760x800 "$program" --circuit "$circuit" &
else
    wine explorer /desktop=vendrel,1440x640 "$program" &
fi
xvfb_children+=("$!")
desktop=$(timeout 60 xdotool search --sync --onlyvisible --name '^vendrel - Wine desktop$' | head -n 1)
sleep 3 # the dialog opens inside the desktop window, which xdotool cannot see
# Typed as real key presses (XTEST): Wine ignores events sent to a window.
xdotool windowfocus --sync "$desktop" 2>/dev/null || true
if [ "$scene" = circuit ]; then
    # Nothing typed: the file as it opens, or moved to its last column, which scrolls the table there.
    [ "${scroll:-}" = yes ] && xdotool key --delay 30 --repeat 40 Right
elif [ "$scene" = colebrook ]; then
    xdotool type --delay 80 '115'
    xdotool key Tab Tab ctrl+a
    xdotool type --delay 80 '0.5'
    # The viscosity's menu ends with "按介质和温度计算…" above the circuit window: water at 32 °C.
    xdotool key Tab shift+F10
    sleep 1
    xdotool key Up Up Return
    sleep 1.5
    xdotool key ctrl+a
    xdotool type --delay 80 '32'
    xdotool key Return
    sleep 1
    xdotool key shift+Tab shift+Tab
else
    xdotool type --delay 80 '10'
    xdotool key Tab
fi
if [ "$scene" = sizes ] || [ "$scene" = colebrook ]; then
    # The item above the menu's last (the circuit window), reached by Up from the top, is the size window.
    xdotool key shift+F10
    sleep 1
    xdotool key Up Up Return
elif [ "$scene" != circuit ]; then
    xdotool type --delay 80 '50'
    xdotool key Return
fi
sleep 1
mkdir -p "$(dirname "$output")"
# The desktop's plain background around the dialog is trimmed away.
import -window "$desktop" png:- | convert - -trim +repage "$output"
echo "saved $output ($(identify -format '%wx%h' "$output"))"

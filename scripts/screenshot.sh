#!/usr/bin/env bash
# Runs the calculator under a virtual display with a window manager, types
# the worked example (10 m³/h in a 50 mm bore), presses Enter and saves the
# window as docs/screenshot.png.
#   scripts/screenshot.sh [path-to-vendrel] [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/ui/qt/vendrel}
output=${2:-docs/screenshot.png}
caption='^计算空调水管比摩阻\(迭代\)$' # a regular expression

source scripts/xvfb.sh

openbox >/dev/null 2>&1 &
xvfb_children+=("$!")
sleep 0.5
"$program" &
xvfb_children+=("$!")

window=$(timeout 20 xdotool search --sync --onlyvisible --name "$caption" | head -n 1)
sleep 0.5
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
xdotool type --delay 50 --window "$window" '10'
xdotool key --window "$window" Tab
xdotool type --delay 50 --window "$window" '50'
xdotool key --window "$window" Return
sleep 0.5
mkdir -p "$(dirname "$output")"
import -window "$(xdotool getwindowfocus -f 2>/dev/null || echo "$window")" -frame "$output" 2>/dev/null ||
    import -window "$window" "$output"
echo "saved $output"

#!/usr/bin/env bash
# Runs the calculator under a virtual display with a window manager, types
# the worked example (10 m³/h in a 50 mm bore), presses Enter and saves the
# window as docs/screenshot.png. With "sizes", types 10 m³/h and opens
# "选择标准管径…" from the diameter entry's menu instead, and saves both
# windows side by side as docs/screenshot-sizes.png.
#   scripts/screenshot.sh [path-to-vendrel] [output.png] [example|sizes]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/ui/qt/vendrel}
scene=${3:-example}
default_output=docs/screenshot.png
[ "$scene" = sizes ] && default_output=docs/screenshot-sizes.png
output=${2:-$default_output}
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
mkdir -p "$(dirname "$output")"
if [ "$scene" = sizes ]; then
    # The menu's last item, reached by Up from the top, is the size window.
    xdotool windowmove "$window" 20 20
    xdotool key --window "$window" Menu
    sleep 0.5
    xdotool key Up Return
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

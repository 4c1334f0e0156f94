# Sourced by scripts that need a display: starts Xvfb on a free display
# number, exports DISPLAY and stops the server when the script exits (after
# any programs listed in the array xvfb_children). The screen is 1024×768
# unless xvfb_screen says otherwise.
xvfb_children=()
xvfb_stop() {
    for ((i = ${#xvfb_children[@]} - 1; i >= 0; i--)); do
        kill "${xvfb_children[i]}" 2>/dev/null || true
        wait "${xvfb_children[i]}" 2>/dev/null || true
    done
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap xvfb_stop EXIT
xvfb_fifo=$(mktemp -u)
mkfifo "$xvfb_fifo"
Xvfb -displayfd 3 -noreset -screen 0 "${xvfb_screen:-1024x768x24}" -nolisten tcp 3>"$xvfb_fifo" >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 30 xvfb_number <"$xvfb_fifo" || { echo "Xvfb did not start" >&2; exit 1; }
rm -f "$xvfb_fifo"
export DISPLAY=:$xvfb_number
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

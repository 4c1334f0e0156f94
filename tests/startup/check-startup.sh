#!/usr/bin/env bash
# What vendrel answers without opening a window: --help and --version, and a
# plain message with status 1 where there is no display to open one on.
#   check-startup.sh PATH-TO-VENDREL VERSION
set -u
vendrel=$1
version=$2
failures=0

# check STATUS TEXT COMMAND...: the command exits with STATUS and says TEXT.
check() {
    local expected=$1 text=$2
    shift 2
    local output status
    output=$("$@" 2>&1)
    status=$?
    if [ "$status" != "$expected" ] || ! grep -qF -- "$text" <<<"$output"; then
        echo "FAIL: $* exited $status (expected $expected) saying:"
        echo "$output"
        failures=$((failures + 1))
    fi
}

no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
check 0 "Usage: vendrel [--circuit [FILE] | --help | --version]" "${no_display[@]}" "$vendrel" --help
check 0 "vendrel $version" "${no_display[@]}" "$vendrel" --version
check 1 "cannot write to standard output" sh -c '"$0" --help >/dev/full' "$vendrel"
check 1 "vendrel: no display (neither DISPLAY nor WAYLAND_DISPLAY is set). The calculator needs a graphical desktop session; in a terminal or a script use vendrel-calc" \
    "${no_display[@]}" "$vendrel"
check 1 "vendrel: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)." "${no_display[@]}" "$vendrel" --circuit c.csv
# A display that is named but cannot be reached: Qt would abort (status 134).
check 1 "vendrel: cannot open a window on this display." "${no_display[@]}" DISPLAY=:9999 "$vendrel"

[ "$failures" -eq 0 ] || exit 1
echo "start-up without a window: all checks passed"

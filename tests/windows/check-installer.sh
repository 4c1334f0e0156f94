#!/usr/bin/env bash
# Installs the Windows edition silently under Wine, starts what it installed,
# uninstalls it and checks that nothing is left behind.
#   check-installer.sh SETUP.EXE DIALOG-TESTS.EXE VERSION
# ctest sets WINEPREFIX (the tests' prefix) and WINE.
set -uo pipefail
setup=$1
dialog_tests=$2
version=$3
wine=${WINE:-wine}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

windows_folder() { "$wine" cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unix_path() { winepath -u "$1" 2>/dev/null; }
local_appdata=$(windows_folder LOCALAPPDATA)
install_dir="$local_appdata\\Programs\\Vendrel"
programs=$(unix_path "$local_appdata\\Programs")
start_menu=$(unix_path "$(windows_folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")
shortcuts=("$start_menu/Vendrel 水管比摩阻计算.lnk" "$start_menu/Vendrel 管路水力计算.lnk")
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vendrel'
had_programs=0
[ -d "$programs" ] && had_programs=1

"$wine" "$setup" /S || fail "the installer exited with status $?"
dir=$(unix_path "$install_dir")
for file in vendrel.exe vendrel-calc.exe README.txt LICENSE.txt uninstall.exe fonts/wqy-microhei.ttc \
    fonts/DejaVuSans.ttf fonts/wqy-microhei-copyright.txt fonts/dejavu-copyright.txt; do
    [ -f "$dir/$file" ] || fail "not installed: $file"
done
for shortcut in "${shortcuts[@]}"; do
    [ -f "$shortcut" ] || fail "no Start-menu shortcut $shortcut"
done
# The circuit window's shortcut opens it alone (its arguments in UTF-16).
tr -d '\0' <"${shortcuts[1]}" 2>/dev/null | grep -q -a -e '--circuit' ||
    fail "the circuit window's shortcut does not start vendrel.exe --circuit"
"$wine" reg query "$uninstall_key" /v DisplayVersion 2>/dev/null | grep -q "$version" ||
    fail "Apps & features does not list Vendrel $version"

# What was installed runs: the calculator on the command line, and the dialog
# (driven by the dialog tests, pointed at the installed program).
[ "$("$wine" "$dir/vendrel-calc.exe" --flow 10 --diameter 50 | head -n 1)" = "实际流速(V:m/s) 1.414711" ] ||
    fail "the installed vendrel-calc.exe does not calculate"
# Its book, in the fonts installed beside it.
book=$(mktemp)
"$wine" "$dir/vendrel-calc.exe" --circuit - --format pdf <"$(dirname "$0")/../../res/examples/circuit.csv" \
    >"$book" 2>/dev/null
[ "$(head -c 5 "$book")" = "%PDF-" ] || fail "the installed vendrel-calc.exe does not write the book"
rm -f "$book"
VENDREL_EXE_UNDER_TEST="$install_dir\\vendrel.exe" "$wine" "$dialog_tests" \
    --gtest_filter='Win32Dialog.OpensWithTheFormsCaptionDefaultsAndFocus' >/dev/null ||
    fail "the installed vendrel.exe does not open its dialog"
VENDREL_EXE_UNDER_TEST="$install_dir\\vendrel.exe" "$wine" "$dialog_tests" \
    --gtest_filter='Win32Circuit.StartsOnTheFileGiven' >/dev/null ||
    fail "the installed vendrel.exe does not open the circuit window"

# The uninstaller copies itself away and returns at once: wait for its work.
"$wine" "$dir/uninstall.exe" /S || fail "the uninstaller exited with status $?"
for _ in $(seq 60); do
    [ -e "$dir" ] || break
    sleep 0.5
done
[ ! -e "$dir" ] || fail "left behind: $(ls -A "$dir")"
for shortcut in "${shortcuts[@]}"; do
    [ ! -e "$shortcut" ] || fail "left behind: the Start-menu shortcut $shortcut"
done
"$wine" reg query "$uninstall_key" >/dev/null 2>&1 && fail "left behind: $uninstall_key"
"$wine" reg query 'HKCU\Software\Vendrel' >/dev/null 2>&1 && fail "left behind: HKCU\\Software\\Vendrel"
[ "$had_programs" = 1 ] || [ ! -e "$programs" ] || fail "left behind: the per-user Programs folder it made"

[ "$failures" -eq 0 ] || exit 1
echo "silent install, start and uninstall: all checks passed"

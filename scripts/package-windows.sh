#!/usr/bin/env bash
# Builds the Windows edition's downloads into build-windows/package/:
#   vendrel-<version>-win64.zip        both programs, a README in Chinese and
#                                      English, and the licence
#   vendrel-<version>-win64-setup.exe  an installer made with NSIS: per user,
#                                      no administrator rights, Start-menu
#                                      shortcut, uninstaller
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-windows

bash scripts/install-deps.sh --windows
cmake --preset windows >/dev/null
cmake --build "$build" -j"$(nproc)" --target vendrel vendrel-calc

version=$(sed -n 's/^#define VENDREL_VERSION "\(.*\)"$/\1/p' "$build/generated/vendrel/version.h")
name=vendrel-$version-win64
out=$PWD/$build/package
stage=$out/staging/$name
rm -rf "$out/staging" "$out/$name.zip" "$out/$name-setup.exe"
mkdir -p "$stage"

cp "$build/ui/win32/vendrel.exe" "$build/cli/vendrel-calc.exe" "$stage/"
# Notepad on older Windows wants CRLF line ends, and a byte order mark to
# take the text for UTF-8.
windows_text() { printf '\xEF\xBB\xBF'; sed 's/\r*$/\r/' "$1"; }
windows_text res/windows/README.txt >"$stage/README.txt"
windows_text LICENSE >"$stage/LICENSE.txt"

(cd "$out/staging" && zip -qrX "$out/$name.zip" "$name")
makensis -V2 -DVERSION="$version" -DBIN_DIR="$stage" -DICON="$PWD/$build/ui/win32/vendrel.ico" \
    -DDOC_DIR="$stage" -DOUT_FILE="$out/$name-setup.exe" res/windows/installer.nsi
ls -l "$out/$name.zip" "$out/$name-setup.exe"

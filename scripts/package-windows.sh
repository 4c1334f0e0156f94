#!/usr/bin/env bash
# Builds the Windows edition's downloads into build-windows/package/:
#   vendrel-<version>-win64.zip        both programs, a README in Chinese and
#                                      English, and the licence
#   vendrel-<version>-win64-setup.exe  an installer made with NSIS: per user,
#                                      no administrator rights, Start-menu
#                                      shortcut, uninstaller
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --windows
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)" --target vendrel_windows_package
ls -l "$PWD"/build-windows/package/*.zip "$PWD"/build-windows/package/*-setup.exe

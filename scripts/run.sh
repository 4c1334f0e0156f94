#!/usr/bin/env bash
# Installs Qt 6 and a CJK font, builds the calculator and opens it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DVENDREL_BUILD_TESTS=OFF -DVENDREL_BUILD_BENCH=OFF >/dev/null
cmake --build build-run -j"$(nproc)" --target vendrel vendrel-calc
exec ./build-run/ui/qt/vendrel "$@"

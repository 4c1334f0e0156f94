#!/usr/bin/env bash
# Builds the Debian package vendrel_<version>_<arch>.deb into build-package/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --package
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DVENDREL_BUILD_TESTS=OFF -DVENDREL_BUILD_BENCH=OFF >/dev/null
cmake --build build-package -j"$(nproc)"
(cd build-package && cpack -G DEB)
ls "$PWD"/build-package/vendrel_*.deb

#!/usr/bin/env bash
# Builds the Debian package vendrel_<version>_<arch>.deb into build-package/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --package
# Debian's hardening flags, as a package built by Debian gets them: fortified
# libc calls, stack protector, relocations resolved and made read-only at start.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DVENDREL_BUILD_TESTS=OFF -DVENDREL_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build-package -j"$(nproc)"
(cd build-package && cpack -G DEB)
ls "$PWD"/build-package/vendrel_*.deb

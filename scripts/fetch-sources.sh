#!/usr/bin/env bash
# Unpacks the Debian source packages of the C libraries every edition builds
# in, the same for Linux and Windows, into third_party/: libxlsxwriter for
# the Excel workbook, libharu for the book's PDF. apt-get checks each file it
# downloads against the archive's signed index; each upstream tarball is
# checked again against its .dsc's checksum here. The upstream tarball is
# unpacked as it is, with this project's patches from cmake/patches/
# (<package>-*.patch) and without Debian's packaging, which a mirror need not
# carry and which only builds Debian's own binary packages.
#   scripts/fetch-sources.sh
set -euo pipefail
cd "$(dirname "$0")/.."
dest=third_party
packages=(libxlsxwriter libharu)
needed=()
for p in "${packages[@]}"; do
  [ -f "$dest/$p/CMakeLists.txt" ] || needed+=("$p")
done
[ "${#needed[@]}" -gt 0 ] || exit 0

if [ "$(id -u)" = 0 ]; then sudo_cmd=(); else sudo_cmd=(sudo); fi
# Source entries for the suites the system installs from, where it has none.
if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s %s-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$codename" "$codename" | "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/vendrel-sources.sources >/dev/null
  "${sudo_cmd[@]}" apt-get update -qq
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$dest"
for p in "${needed[@]}"; do
  rm -rf "${work:?}"/*
  # The packaging tarball may be missing from a mirror: what counts is the
  # .dsc and the upstream tarball it names.
  (cd "$work" && apt-get source --download-only -qq "$p" >/dev/null 2>&1) || true
  dsc=$(find "$work" -maxdepth 1 -name "${p}_*.dsc" | head -n 1)
  [ -n "$dsc" ] || { echo "fetch-sources.sh: apt-get source $p found no .dsc" >&2; exit 1; }
  orig=$(sed -n '/^Checksums-Sha256:/,/^[^ ]/s/^ \([0-9a-f]\{64\}\) [0-9]* \(.*\.orig\.tar\.[a-z0-9]*\)$/\1  \2/p' "$dsc")
  [ -n "$orig" ] || { echo "fetch-sources.sh: $dsc names no upstream tarball" >&2; exit 1; }
  (cd "$work" && sha256sum --quiet -c - <<<"$orig") || {
    echo "fetch-sources.sh: ${orig#*  } does not match its checksum in $dsc" >&2
    exit 1
  }
  mkdir "$work/src"
  tar -xf "$work/${orig#*  }" -C "$work/src"
  unpacked=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d | head -n 1)
  for patch in cmake/patches/"$p"-*.patch; do
    [ -f "$patch" ] || continue
    patch -s -p1 -d "$unpacked" <"$patch" || { echo "fetch-sources.sh: $patch does not apply" >&2; exit 1; }
  done
  rm -rf "${dest:?}/$p"
  mv "$unpacked" "$dest/$p"
  echo "fetch-sources.sh: $p $(sed -n 's/^Version: //p' "$dsc") in $dest/$p"
done

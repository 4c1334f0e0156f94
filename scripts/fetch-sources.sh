#!/usr/bin/env bash
# Unpacks the Debian source packages of the C libraries every edition builds
# in, the same for Linux and Windows, into third_party/: libxlsxwriter for
# the Excel workbook. apt-get source checks each .dsc against the archive's
# signed index, and dpkg-source each tarball against the .dsc's checksums.
#   scripts/fetch-sources.sh
set -euo pipefail
cd "$(dirname "$0")/.."
dest=third_party
packages=(libxlsxwriter)
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
  (cd "$work" && apt-get source -qq "$p" >/dev/null 2>&1) || {
    echo "fetch-sources.sh: apt-get source $p failed" >&2
    exit 1
  }
  unpacked=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name "$p-*" | head -n 1)
  rm -rf "${dest:?}/$p"
  mv "$unpacked" "$dest/$p"
  echo "fetch-sources.sh: $p $(sed -n 's/^Version: //p' "$work"/"$p"_*.dsc) in $dest/$p"
done

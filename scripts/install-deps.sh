#!/usr/bin/env bash
# Installs every Debian package needed to build, run and test Vendrel, then
# unpacks the sources of the C libraries it builds in (fetch-sources.sh).
#   install-deps.sh            build + run the calculator (Qt 6 and its Chinese texts, CJK font)
#   install-deps.sh --package  also what building the Debian package needs
#   install-deps.sh --windows  also the Windows edition's cross-compiler (mingw-w64) and Wine to test it
#   install-deps.sh --test     also the test tools (Xvfb, locales, clang fuzzer runtime, validators),
#                              and the --package and --windows sets
set -euo pipefail

want_tests=0
want_package=0
want_windows=0
case "${1:-}" in
--test) want_tests=1 want_package=1 want_windows=1 ;;
--package) want_package=1 ;;
--windows) want_windows=1 ;;
esac

# dpkg-dev and zlib: the C libraries every edition builds in from their
# Debian sources (scripts/fetch-sources.sh).
run_pkgs=(
  build-essential cmake pkg-config dpkg-dev zlib1g-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  fonts-arphic-uming fonts-wqy-microhei fonts-dejavu-core
)
package_pkgs=(dpkg-dev file gzip)
test_pkgs=(
  libgtest-dev libgmock-dev libbenchmark-dev libmpfr-dev
  clang libclang-rt-14-dev clang-format
  xvfb xdotool x11-utils imagemagick openbox libx11-dev time
  locales gettext
  desktop-file-utils appstream man-db lintian
  python3-openpyxl poppler-utils qpdf
)
# GoogleTest's sources are built for Windows; Google Benchmark's library
# builds the schedule writer for comparing with Linux; fonts-wine has Marlett;
# librsvg2-bin and ImageMagick make the icon, NSIS and zip the downloads; the
# dialog's font under Wine is AR PL UMing, with DejaVu Sans for the signs it lacks.
windows_pkgs=(
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
  wine wine64 fonts-wine fonts-arphic-uming fonts-dejavu-core
  googletest libbenchmark-dev
  librsvg2-bin imagemagick nsis zip
)

pkgs=("${run_pkgs[@]}")
[ "$want_package" = 1 ] && pkgs+=("${package_pkgs[@]}")
[ "$want_tests" = 1 ] && pkgs+=("${test_pkgs[@]}")
[ "$want_windows" = 1 ] && pkgs+=("${windows_pkgs[@]}")

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# The locale tests run the program under a comma-decimal locale, and the
# Windows edition under Wine in a Chinese display language, which Wine takes
# from a Chinese locale that is installed.
test_locales=(de_DE zh_CN)
need_locale=0
if [ "$want_tests" = 1 ]; then
  for l in "${test_locales[@]}"; do
    locale -a 2>/dev/null | grep -qi "^$l\.utf-\?8\$" || need_locale=1
  done
fi
if [ "${#missing[@]}" -eq 0 ] && [ "$need_locale" = 0 ]; then
  exec bash "$(dirname "$0")/fetch-sources.sh"
fi

# Installing needs root: be root, or go through sudo. sudo resets the
# environment, so apt's non-interactive front end is passed on its command line.
if [ "$(id -u)" = 0 ]; then
  sudo_cmd=()
  apt_cmd=(env DEBIAN_FRONTEND=noninteractive apt-get)
else
  needed="${missing[*]:-the de_DE.UTF-8 and zh_CN.UTF-8 locales}"
  if ! command -v sudo >/dev/null; then
    echo "install-deps.sh: $needed must be installed as root, and sudo is missing. Run this script as root." >&2
    exit 1
  fi
  if ! sudo -v; then
    echo "install-deps.sh: $needed must be installed as root, and $(id -un) may not use sudo. Run this script as root." >&2
    exit 1
  fi
  sudo_cmd=(sudo)
  apt_cmd=(sudo DEBIAN_FRONTEND=noninteractive apt-get)
fi

if [ "${#missing[@]}" -gt 0 ]; then
  "${apt_cmd[@]}" update -qq
  "${apt_cmd[@]}" install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "$need_locale" = 1 ]; then
  for l in "${test_locales[@]}"; do
    "${sudo_cmd[@]}" sed -i "s/^# *\($l.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen || echo "$l.UTF-8 UTF-8" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  done
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi

exec bash "$(dirname "$0")/fetch-sources.sh"

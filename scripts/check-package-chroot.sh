#!/usr/bin/env bash
# Installs the Debian package with apt into a clean Debian 12 chroot (made
# with debootstrap when missing), then runs vendrel-calc there and starts
# vendrel on a virtual display, saving a screenshot of its window.
#   scripts/check-package-chroot.sh PACKAGE.deb [CHROOT] [SCREENSHOT.png]
# Needs root, network access to the Debian archive, debootstrap and Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(realpath "$1")
root=${2:-/var/tmp/vendrel-chroot}
shot=$(realpath -m "${3:-build-package/chroot-screenshot.png}")

if [ ! -x "$root/usr/bin/apt-get" ]; then
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root/tmp/.X11-unix"
mounts=()
unmount() { for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount "${mounts[i]}" || true; done; }
mount -t proc proc "$root/proc" && mounts+=("$root/proc")
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix" && mounts+=("$root/tmp/.X11-unix")

source scripts/xvfb.sh
trap 'xvfb_stop; unmount' EXIT

cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/tmp/$(basename "$deb")" >/dev/null
echo "== installed: $(in_root dpkg-query -W -f='${Package} ${Version}' vendrel)"

echo "== vendrel-calc --flow 10 --diameter 50"
in_root vendrel-calc --flow 10 --diameter 50

echo "== vendrel on $DISPLAY"
install -d -m 700 "$root/tmp/runtime-root"
chroot "$root" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$DISPLAY" XDG_RUNTIME_DIR=/tmp/runtime-root vendrel &
xvfb_children+=("$!")
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^计算空调水管比摩阻' | head -n 1)
sleep 1
mkdir -p "$(dirname "$shot")"
import -window "$window" "$shot"
echo "window $window shown; screenshot in $shot"

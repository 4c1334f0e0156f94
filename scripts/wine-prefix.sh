#!/usr/bin/env bash
# Sets up, or brings up to date, the Wine prefix the Windows edition is tested
# in: Chinese font substitutes, Marlett for the window buttons, and, for tests
# without a window, no graphics driver at all. Safe to run again; it does
# nothing when the prefix already has these settings.
#   scripts/wine-prefix.sh [--graphics=null|default] [PREFIX]
# PREFIX defaults to $WINEPREFIX, else build-windows/wineprefix (where the
# windows preset's tests look). It lives in the build directory so that a
# clean build starts from a clean prefix and no two checkouts share one.
# --graphics=null: Wine opens no display (HKCU\Software\Wine\Drivers
# Graphics=null); --graphics=default gives it back; without the option the
# prefix keeps what it has.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

graphics=
prefix=
for arg in "$@"; do
    case "$arg" in
    --graphics=null | --graphics=default) graphics=${arg#--graphics=} ;;
    -*) echo "wine-prefix.sh: unknown option $arg" >&2; exit 2 ;;
    *) prefix=$arg ;;
    esac
done
prefix=${prefix:-${WINEPREFIX:-$root/build-windows/wineprefix}}
mkdir -p "$(dirname "$prefix")"
prefix=$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")

for tool in wine wineboot wineserver; do
    command -v "$tool" >/dev/null || { echo "wine-prefix.sh: $tool is missing (scripts/install-deps.sh --windows)" >&2; exit 1; }
done
marlett=/usr/share/wine/fonts/marlett.ttf
[ -f "$marlett" ] || { echo "wine-prefix.sh: $marlett is missing (package fonts-wine)" >&2; exit 1; }

export WINEPREFIX=$prefix WINEDEBUG=-all
# No prompts to download Mono or Gecko: nothing here needs .NET or HTML.
export WINEDLLOVERRIDES="mscoree,mshtml="

# The dialog asks for SimSun (宋体); AR PL UMing, a Ming face like it, stands
# in, and DejaVu Sans draws the signs it lacks (the superscript minus of
# 10⁻⁶), linked to it as Windows links fonts: "DejaVuSans.ttf,DejaVu Sans" as
# REG_MULTI_SZ.
settings='Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"SimSun"="AR PL UMing CN"
"宋体"="AR PL UMing CN"
"NSimSun"="AR PL UMing CN"
"新宋体"="AR PL UMing CN"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]
"AR PL UMing CN"=hex(7):44,00,65,00,6a,00,61,00,56,00,75,00,53,00,61,00,6e,00,73,00,2e,00,74,00,74,00,66,00,2c,00,44,00,65,00,6a,00,61,00,56,00,75,00,20,00,53,00,61,00,6e,00,73,00,00,00,00,00
'
case "$graphics" in
null) settings+='
[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Graphics"="null"
' ;;
default) settings+='
[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Graphics"=-
' ;;
esac

# Written last, so a set-up cut short is done again.
stamp=$prefix/vendrel-prefix.stamp
want=$( (cat "$0" "$marlett"; printf '%s' "$settings") | sha256sum | cut -d' ' -f1)
if [ "$(cat "$stamp" 2>/dev/null)" = "$want" ]; then
    touch "$stamp" # for the build, which runs this when the script is newer
    exit 0
fi

if [ ! -f "$prefix/.update-timestamp" ]; then
    echo "wine-prefix.sh: creating the Wine prefix $prefix"
    log=$(mktemp)
    # Without 32-bit Wine, wineboot says syswow64's rundll32 is missing; the
    # 64-bit prefix works all the same, so its status is not the judge.
    wineboot -i >"$log" 2>&1 || true
    if [ ! -f "$prefix/.update-timestamp" ]; then
        cat "$log" >&2
        echo "wine-prefix.sh: wineboot did not create $prefix" >&2
        exit 1
    fi
    rm -f "$log"
fi

# regedit reads a .reg file as UTF-16LE when it starts with a byte order mark;
# that keeps the Chinese names intact whatever Wine's code page is.
reg=$prefix/drive_c/vendrel-prefix.reg
{ printf '\xff\xfe'; printf '%s' "${settings//$'\n'/$'\r\n'}" | iconv -f UTF-8 -t UTF-16LE; } >"$reg"
wine regedit /S 'C:\vendrel-prefix.reg'
rm -f "$reg"
mkdir -p "$prefix/drive_c/windows/Fonts"
cp "$marlett" "$prefix/drive_c/windows/Fonts/marlett.ttf"
echo "$want" >"$stamp"

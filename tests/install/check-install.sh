#!/usr/bin/env bash
# Installs a build into a staging directory and packages it, then checks the
# layout, the desktop metadata, the package's contents and dependencies, and
# that the installed vendrel-calc gives the build tree's results.
#   check-install.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

stage=$work/stage
cmake --install "$build" --prefix "$stage/usr" >/dev/null

expected=(
    usr/bin/vendrel
    usr/bin/vendrel-calc
    usr/share/applications/org.vendrel.Vendrel.Circuit.desktop
    usr/share/applications/org.vendrel.Vendrel.desktop
    usr/share/doc/vendrel/changelog.Debian.gz
    usr/share/doc/vendrel/copyright
    usr/share/doc/vendrel/examples/circuit.csv
    usr/share/doc/vendrel/examples/gb3091-series.csv
    usr/share/doc/vendrel/examples/schedule.csv
    usr/share/icons/hicolor/128x128/apps/org.vendrel.Vendrel.png
    usr/share/icons/hicolor/16x16/apps/org.vendrel.Vendrel.png
    usr/share/icons/hicolor/256x256/apps/org.vendrel.Vendrel.png
    usr/share/icons/hicolor/32x32/apps/org.vendrel.Vendrel.png
    usr/share/icons/hicolor/48x48/apps/org.vendrel.Vendrel.png
    usr/share/icons/hicolor/64x64/apps/org.vendrel.Vendrel.png
    usr/share/icons/hicolor/scalable/apps/org.vendrel.Vendrel.svg
    usr/share/metainfo/org.vendrel.Vendrel.metainfo.xml
    usr/share/man/man1/vendrel-calc.1.gz
    usr/share/man/man1/vendrel.1.gz
    usr/share/vendrel/screenshot.png
)
(cd "$stage" && find . -type f | sed 's|^\./||' | sort) >"$work/staged"
printf '%s\n' "${expected[@]}" | sort >"$work/expected"
diff -u "$work/expected" "$work/staged" || fail "installed files differ from the expected layout"
for program in vendrel vendrel-calc; do
    [ -x "$stage/usr/bin/$program" ] || fail "$program is not executable"
done
for size in 16 32 48 64 128 256; do
    file -b "$stage/usr/share/icons/hicolor/${size}x$size/apps/org.vendrel.Vendrel.png" | grep -q "$size x $size," ||
        fail "the ${size}x$size icon is not $size px"
done

for entry in org.vendrel.Vendrel org.vendrel.Vendrel.Circuit; do
    desktop-file-validate "$stage/usr/share/applications/$entry.desktop" || fail "desktop-file-validate $entry"
done
grep -qx 'Exec=vendrel --circuit %f' "$stage/usr/share/applications/org.vendrel.Vendrel.Circuit.desktop" ||
    fail "the circuit window's menu entry does not open it"
appstreamcli validate --no-net "$stage/usr/share/metainfo/org.vendrel.Vendrel.metainfo.xml" >"$work/appstream" ||
    { cat "$work/appstream"; fail "appstreamcli validate"; }
grep -A1 "<release version=\"$version\"" "$stage/usr/share/metainfo/org.vendrel.Vendrel.metainfo.xml" |
    grep -q '<description>' || fail "metainfo has no notes for release $version"
# A Chinese desktop shows one name for the program: the menu's, the generic
# one and the software centre's.
for lang in zh_CN zh_TW; do
    desktop=$stage/usr/share/applications/org.vendrel.Vendrel.desktop
    name=$(sed -n "s/^Name\[$lang\]=//p" "$desktop")
    generic=$(sed -n "s/^GenericName\[$lang\]=//p" "$desktop")
    store=$(sed -n "s|.*<name xml:lang=\"${lang/_/-}\">\(.*\)</name>.*|\1|p" \
        "$stage/usr/share/metainfo/org.vendrel.Vendrel.metainfo.xml")
    [ -n "$name" ] && [ "$generic" = "$name" ] && [ "$store" = "$name" ] ||
        fail "$lang names differ: Name '$name', GenericName '$generic', AppStream '$store'"
done
MANWIDTH=80 man -l "$stage/usr/share/man/man1/vendrel-calc.1.gz" 2>/dev/null | grep -q -- '--csv' ||
    fail "the manual page of vendrel-calc does not render"
MANWIDTH=80 man -l "$stage/usr/share/man/man1/vendrel.1.gz" 2>/dev/null | grep -q 'vendrel-calc(1)' ||
    fail "the manual page of vendrel does not render"
# The manual's example circuit, as installed, gives the manual's paths (and
# status 1, for the path out of balance).
"$stage/usr/bin/vendrel-calc" --circuit "$stage/usr/share/doc/vendrel/examples/circuit.csv" --format csv --paths \
    >"$work/paths.csv" 2>/dev/null || [ $? -eq 1 ]
grep -qx 'G1 T1 R0,138580.4,25.1,no,N1,M1' "$work/paths.csv" || fail "the installed example circuit does not give the manual's paths"
zcat "$stage/usr/share/doc/vendrel/changelog.Debian.gz" >"$work/changelog" || true
changelog_version=$(dpkg-parsechangelog -l "$work/changelog" -S Version 2>/dev/null || true)
[ "$changelog_version" = "$version" ] || fail "the Debian changelog's last entry is $changelog_version, not $version"

# The installed command gives what the build tree's gives.
printf 'flow,diameter,roughness\n10,50,0.2\n1000,300,0.5\n3.2,50,2\n0.3,25,0.2\n,50,0.2\n' >"$work/schedule.csv"
# Two of the rows cannot be calculated (迭代失败, no flow): status 1 from both.
"$build/cli/vendrel-calc" --csv "$work/schedule.csv" >"$work/built.csv" 2>/dev/null || [ $? -eq 1 ]
"$stage/usr/bin/vendrel-calc" --csv "$work/schedule.csv" >"$work/installed.csv" 2>/dev/null || [ $? -eq 1 ]
cmp -s "$work/built.csv" "$work/installed.csv" || fail "installed vendrel-calc gives other results"
[ "$("$stage/usr/bin/vendrel-calc" --version)" = "vendrel-calc $version" ] || fail "installed version"

# The package holds exactly the installed files and takes its dependencies
# from the binaries.
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$work/package/vendrel_${version}_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
    fail "no package $(basename "$deb")"
else
    dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort >"$work/packaged"
    diff -u "$work/expected" "$work/packaged" || fail "package contents differ from the installed layout"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
    # Each line of the long description starts with one space and text, or is " .".
    dpkg-deb -f "$deb" Description | tail -n +2 | grep -vE '^ ([^ ;]|\.$)' &&
        fail "malformed lines in the package description"
    depends=$(dpkg-deb -f "$deb" Depends)
    for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 qt6-translations-l10n \
        'fonts-arphic-uming | fonts-noto-cjk'; do
        grep -qF "$needed" <<<"$depends" || fail "package does not depend on $needed ($depends)"
    done
    [ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "package does not recommend qt6-wayland"
    # qt6-qpa-plugins holds only the VNC plugin, which the dialog does not use.
    for unwanted in gtest benchmark asan ubsan qt6-qpa-plugins; do
        grep -q "$unwanted" <<<"$depends" && fail "package depends on $unwanted"
    done
    # Debian's own checks: errors fail, warnings and notes are shown.
    lintian --fail-on none --display-info "$deb" >"$work/lintian" 2>&1 || fail "lintian did not run"
    sed -i '/^running with root privileges/d' "$work/lintian"
    sed 's/^/lintian: /' "$work/lintian"
    grep -q '^E:' "$work/lintian" && fail "lintian reports errors"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "install layout, metadata and package: all checks passed"

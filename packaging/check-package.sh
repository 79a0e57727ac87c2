#!/usr/bin/env bash
# Makes the Debian package (packaging/build-deb.sh) and checks it as Debian and the desktops
# would: lintian must find no error, appstreamcli and desktop-file-validate must accept the
# AppStream data and the menu entry (each tool only when it is installed), and the package must
# hold what an installed copy needs.
#
#     packaging/check-package.sh [BUILD_FOLDER]
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$source/build-deb}")
deb=$("$source/packaging/build-deb.sh" "$build" | tail -n 1)
echo "package: $deb"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if command -v lintian > /dev/null; then
    # Errors and warnings are shown; only errors fail.
    lintian --fail-on error "$deb" || fail "lintian found errors"
    echo "lintian: no errors"
else
    echo "lintian is not installed: skipped"
fi

root="$build/package-root"
rm -rf "$root"
dpkg-deb -x "$deb" "$root"

if command -v appstreamcli > /dev/null; then
    appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli"
else
    echo "appstreamcli is not installed: skipped"
fi
if command -v desktop-file-validate > /dev/null; then
    desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "desktop-file-validate"
    echo "desktop-file-validate: no complaints"
else
    echo "desktop-file-validate is not installed: skipped"
fi

# What the package must hold besides what lintian looks at.
[ "$(dpkg-deb -f "$deb" Recommends)" = "xdg-utils" ] || fail "Recommends: xdg-utils"
# The synopsis is the English summary, without the package's name; the long text follows it.
description=$(dpkg-deb -f "$deb" Description)
[ "$(head -n 1 <<< "$description")" = "calculator of system bets for fixed-odds sports betting" ] ||
    fail "synopsis: $(head -n 1 <<< "$description")"
[ "$(sed -n 2p <<< "$description")" = " Kombinátor helps with system bets at a bookmaker. Copy a betting coupon or" ] ||
    fail "long description: $(sed -n 2p <<< "$description")"
for f in usr/bin/kombinator usr/bin/kombinator-cli usr/share/kombinator/tkulcs/tippek.inf \
    usr/share/man/man1/kombinator.1.gz usr/share/man/man1/kombinator-cli.1.gz \
    usr/share/man/hu/man1/kombinator.1.gz usr/share/man/hu/man1/kombinator-cli.1.gz \
    usr/share/doc/kombinator/copyright usr/share/doc/kombinator/changelog.gz usr/share/lintian/overrides/kombinator \
    usr/share/icons/hicolor/scalable/apps/kombinator.svg; do
    [ -f "$root/$f" ] || fail "missing /$f"
done
for size in 16 24 32 48 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/kombinator.png"
    file "$icon" | grep -q "PNG image data, $size x $size," || fail "icon $size: $(file -b "$icon")"
done
for program in kombinator kombinator-cli; do
    file "$root/usr/bin/$program" | grep -q ", stripped" || fail "$program is not stripped"
done
echo "package contents: complete"

#!/bin/sh
# Builds the Windows Qt the program links against, from Debian's own qtbase source, into a cache
# folder outside the repository. A finished cache (its stamp file present) is reused as it is.
#   KOMBINATOR_WIN_QT   install folder (default /var/cache/kombinator-win/qt-6.4.2)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
prefix=${KOMBINATOR_WIN_QT:-/var/cache/kombinator-win/qt-6.4.2}
work=$(dirname "$prefix")/qt-build
stamp="$prefix/kombinator-qt.stamp"

if [ -f "$stamp" ]; then
    echo "Windows Qt: reusing $prefix ($(cat "$stamp"))"
    exit 0
fi
mkdir -p "$work"
# One build at a time; a second caller waits for the first and then reuses its result.
exec 9>"$work/.lock"
flock 9
if [ -f "$stamp" ]; then
    echo "Windows Qt: reusing $prefix ($(cat "$stamp"))"
    exit 0
fi

# Debian's source packages for the suite this machine runs.
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
if ! grep -rqs '^Types: deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    cat >/etc/apt/sources.list.d/kombinator-deb-src.sources <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
    apt-get update -q
fi

mkdir -p "$work/src"
cd "$work/src"
if ! ls -d qtbase-everywhere-src-* >/dev/null 2>&1; then
    apt-get source --download-only qt6-base
    tar xf qt6-base_*.orig.tar.xz
fi
qtbase=$(ls -d "$work"/src/qtbase-everywhere-src-* | head -n 1)
# Qt 6.4 builds its DirectWrite font database only along with Direct2D, which the program does not
# need, while the windows plugin asks for it all the same: the plugin keeps to the GDI one.
if ! grep -q 'QT_CONFIG(directwrite3) && QT_CONFIG(direct2d)' \
    "$qtbase/src/plugins/platforms/windows/qwindowsintegration.cpp"; then
    sed -i 's|^#if QT_CONFIG(directwrite3)$|#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)|' \
        "$qtbase/src/plugins/platforms/windows/qwindowsintegration.cpp"
fi
# Debian's qtbase source leaves out the Wintab headers (src/3rdparty/wintab): the windows platform
# plugin is built without Wintab tablets. Pens still work through Windows' own pointer input.
win="$qtbase/src/plugins/platforms/windows"
if [ ! -f "$qtbase/src/3rdparty/wintab/wintab.h" ] && ! grep -q 'no Wintab' "$win/qwindowscontext.cpp"; then
    sed -i 's|^#if QT_CONFIG(tabletevent)$|#if 0 // no Wintab: QT_CONFIG(tabletevent)|' "$win/qwindowscontext.cpp"
    sed -i '0,/^#if QT_CONFIG(tabletevent)$/s||#if 0 // no Wintab: QT_CONFIG(tabletevent)|' "$win/qwindowspointerhandler.cpp"
    sed -i 's|CONDITION QT_FEATURE_tabletevent$|CONDITION QT_FEATURE_tabletevent AND EXISTS ${QtBase_SOURCE_DIR}/src/3rdparty/wintab/wintab.h|' \
        "$win/CMakeLists.txt"
fi
hostcmake=$(dirname "$(dirname "$(find /usr/lib -path '*/cmake/Qt6HostInfo/Qt6HostInfoConfig.cmake' | head -n 1)")")

start=$(date +%s)
[ -f "$work/started" ] || echo "$start" >"$work/started"
mkdir -p "$work/qtbase"
cd "$work/qtbase"
# Only what the program and its tests use: Core, Gui, Widgets, Test, and the windows, offscreen and
# minimal platform plugins, without the widgets, documents and image formats the program never
# shows (Latin text needs no HarfBuzz shaping). The host's own Qt 6.4 supplies moc, rcc and uic.
# An interrupted build goes on where it stopped.
[ -f build.ninja ] || "$qtbase/configure" -prefix "$prefix" -xplatform win32-g++ -qt-host-path /usr \
    -release -shared -opensource -confirm-license -nomake examples -nomake tests \
    -no-opengl -no-icu -no-dbus -no-libjpeg -no-sql-sqlite \
    -qt-zlib -qt-pcre -qt-libpng -no-harfbuzz -qt-freetype -qt-doubleconversion \
    -no-feature-network -no-feature-sql -no-feature-xml -no-feature-printsupport \
    -no-feature-concurrent -no-feature-vulkan -no-feature-direct2d -no-feature-sessionmanager \
    -no-feature-pdf -no-feature-movie -no-feature-textodfwriter -no-feature-textmarkdownreader \
    -no-feature-textmarkdownwriter -no-feature-syntaxhighlighter -no-feature-imageformat_ppm \
    -no-feature-imageformat_xbm -no-feature-undocommand -no-feature-undostack \
    -no-feature-undogroup -no-feature-undoview -no-feature-wizard -no-feature-mdiarea \
    -no-feature-calendarwidget -no-feature-dial -no-feature-lcdnumber -no-feature-splashscreen \
    -no-feature-fontcombobox -no-feature-keysequenceedit -no-feature-systemtrayicon \
    -no-feature-colordialog -no-feature-fontdialog \
    -- -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" -DQT_HOST_PATH_CMAKE_DIR="$hostcmake"
nice -n 19 cmake --build . --parallel "${KOMBINATOR_JOBS:-2}"
cmake --install .

elapsed=$(($(date +%s) - start))
# A build that went on from an interrupted one counts from the first start.
[ -f "$work/started" ] && elapsed=$(($(date +%s) - $(cat "$work/started")))
printf 'built %s in %dm%02ds on %s cores\n' "$(date -u +%Y-%m-%dT%H:%MZ)" $((elapsed / 60)) \
    $((elapsed % 60)) "$(nproc)" >"$stamp"
echo "Windows Qt: $(cat "$stamp")"

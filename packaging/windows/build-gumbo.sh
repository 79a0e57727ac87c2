#!/bin/sh
# Builds gumbo, the HTML5 parser that reads a copied page, for Windows from Debian's own
# gumbo-parser source, as a static library in the Windows Qt's folder (beside Qt's, where the
# cross build looks for its libraries), with a pkg-config file for it. A finished build (its stamp
# file present) is reused as it is. Run after build-qt.sh.
#   KOMBINATOR_WIN_QT   the Windows Qt's folder (default /var/cache/kombinator-win/qt-6.4.2)
set -eu

prefix=${KOMBINATOR_WIN_QT:-/var/cache/kombinator-win/qt-6.4.2}
work=$(dirname "$prefix")/gumbo-build
stamp="$prefix/kombinator-gumbo.stamp"
[ -f "$stamp" ] && { echo "Windows gumbo: reusing $prefix ($(cat "$stamp"))"; exit 0; }

# build-qt.sh has made Debian's source packages reachable.
mkdir -p "$work"
cd "$work"
if ! ls -d gumbo-parser-*/ >/dev/null 2>&1; then
    apt-get source --download-only gumbo-parser
    tar xf gumbo-parser_*.orig.tar.*
fi
src=$(ls -d "$work"/gumbo-parser-*/ | head -n 1)
mkdir -p objects "$prefix/lib/pkgconfig" "$prefix/include"
for c in "$src"/src/*.c; do
    x86_64-w64-mingw32-gcc-posix -std=gnu99 -O2 -DNDEBUG -I"$src/src" -c "$c" -o "objects/$(basename "$c" .c).o"
done
rm -f "$prefix/lib/libgumbo.a"
x86_64-w64-mingw32-gcc-ar-posix rcs "$prefix/lib/libgumbo.a" objects/*.o
cp "$src/src/gumbo.h" "$src/src/tag_enum.h" "$prefix/include/"
version=$(basename "$src" | sed 's/^gumbo-parser-//')
cat >"$prefix/lib/pkgconfig/gumbo.pc" <<PC
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: gumbo
Description: Google's HTML5 parser, built from Debian's source for Windows
Version: $version
Libs: -L\${libdir} -lgumbo
Cflags: -I\${includedir}
PC
echo "gumbo $version built $(date -u +%Y-%m-%dT%H:%MZ)" >"$stamp"
echo "Windows gumbo: $(cat "$stamp")"

#!/usr/bin/env bash
# Kombinátor for Windows, made on Debian 12 from Debian's packages alone:
#  1. installs the MinGW-w64 cross compiler, Wine, NSIS and the Linux build's packages;
#  2. builds the Windows Qt from Debian's qtbase source into a cache folder outside the
#     repository (build-qt.sh), or reuses the one already there;
#  3. builds the Linux kombinator-cli, to compare the Windows one with;
#  4. cross-builds kombinator.exe, kombinator-cli.exe and the test programs;
#  5. runs the test suite under Wine with the offscreen platform;
#  6. takes a screenshot of kombinator.exe under Wine and Xvfb;
#  7. makes Kombinator-<version>-win64-setup.exe (NSIS) and the portable zip, and installs the
#     setup program silently under Wine to start the installed copy once.
# Run as root (or with sudo) from anywhere: packaging/windows/build.sh. Takes hours the first time
# (Qt), minutes after. Everything lands in build-windows/ of the repository; the log there too.
#   KOMBINATOR_WIN_QT    the Windows Qt's cache folder (default /var/cache/kombinator-win/qt-6.4.2)
#   KOMBINATOR_JOBS      parallel compile jobs (default: the number of cores)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
out="$repo/build-windows"
mkdir -p "$out"
log="$out/build.log"
exec > >(tee "$log") 2>&1
started=$(date +%s)
step() { printf '\n== %s (%s)\n' "$*" "$(date -u +%H:%M:%S)"; }

export KOMBINATOR_WIN_QT=${KOMBINATOR_WIN_QT:-/var/cache/kombinator-win/qt-6.4.2}
export KOMBINATOR_JOBS=${KOMBINATOR_JOBS:-$(nproc)}
cache=$(dirname "$KOMBINATOR_WIN_QT")
export WINEPREFIX=${WINEPREFIX:-$cache/wine}
export WINEDEBUG=-all
# No Mono or Gecko downloads when Wine sets up its prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="

step "Packages"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 nsis cmake ninja-build
          dpkg-dev xz-utils qt6-base-dev qt6-base-dev-tools qt6-charts-dev libgl-dev g++ pkg-config
          xvfb xauth imagemagick fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

step "Windows Qt"
$sudo "$here/build-qt.sh"
cat "$KOMBINATOR_WIN_QT/kombinator-qt.stamp"
charts=OFF
[ -f "$KOMBINATOR_WIN_QT/lib/cmake/Qt6Charts/Qt6ChartsConfig.cmake" ] && charts=ON
echo "Qt Charts for Windows: $charts"

step "Linux kombinator-cli to compare with"
cmake -S "$repo" -B "$out/linux" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKOMBINATOR_TESTS=OFF \
    -DKOMBINATOR_BENCH=OFF >/dev/null
nice cmake --build "$out/linux" --target kombinator-cli -j"$KOMBINATOR_JOBS"

step "Cross-building kombinator.exe, kombinator-cli.exe and the tests"
cmake -S "$repo" -B "$out/win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" -DCMAKE_PREFIX_PATH="$KOMBINATOR_WIN_QT" \
    -DQt6_DIR="$KOMBINATOR_WIN_QT/lib/cmake/Qt6" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v wine)" -DKOMBINATOR_WERROR=ON \
    -DKOMBINATOR_BENCH=OFF -DKOMBINATOR_CHARTS=$charts \
    -DKOMBINATOR_LINUX_CLI="$out/linux/bin/kombinator-cli" >/dev/null
nice cmake --build "$out/win64" -j"$KOMBINATOR_JOBS"
ls -l "$out/win64/bin/"*.exe

step "Wine"
wineboot --init >/dev/null 2>&1 || true
wine "$out/win64/bin/kombinator-cli.exe" --version

step "Test suite under Wine (QT_QPA_PLATFORM=offscreen)"
# The offscreen platform of a Windows Qt draws with FreeType from a font folder of its own: the
# DejaVu fonts the Linux tests see through fontconfig.
# Wine hands a Windows program the environment of its prefix's registry, not the shell's.
QT_QPA_FONTDIR=$(winepath -w /usr/share/fonts/truetype/dejavu)
wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d "$QT_QPA_FONTDIR" /f >/dev/null
wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f >/dev/null
tests=0
(cd "$out/win64" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$KOMBINATOR_JOBS") || tests=$?
# Every skipped test function, with its reason (Qt Test under Wine writes its log to a file).
for t in "$out"/win64/bin/tst_*.exe; do
    QT_QPA_PLATFORM=offscreen wine "$t" -o "$(winepath -w "$out/test.txt"),txt" >/dev/null 2>&1 || true
    grep '^SKIP' "$out/test.txt" | sed "s|^|$(basename "$t" .exe): |" || true
done | tee "$out/skipped.txt"

wine reg delete 'HKCU\Environment' /v QT_QPA_PLATFORM /f >/dev/null

step "Screenshot of kombinator.exe under Wine and Xvfb"
shot="$out/kombinator-wine.png"
rm -f "$shot"
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c "
    wine '$out/win64/bin/kombinator.exe' & sleep 25
    import -window root '$shot'
    wineserver -k" >/dev/null 2>&1 || true
[ -f "$shot" ] && echo "screenshot: $shot" || echo "screenshot: none taken"

step "Installer and portable zip"
(cd "$out/win64" && cpack -G NSIS)
cmake --build "$out/win64" --target kombinator_portable
setup=$(ls "$out"/win64/Kombinator-*-win64-setup.exe)
zip=$(ls "$out"/win64/Kombinator-*-win64-portable.zip)

step "The installer under Wine, silently, and the installed copy"
# NSIS makes a 32-bit setup program: Wine runs it only with its 32-bit half (wine32, i386).
target='C:\Kombinator'
installed=$(winepath -u "$target")
wine "$setup" /S "/D=$target" || true
if [ -x "$installed/bin/kombinator-cli.exe" ]; then
    wine "$installed/bin/kombinator-cli.exe" --version
    appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")
    rm -rf "$appdata/kombinator"
    wine "$installed/bin/kombinator-cli.exe" --system trixie "$(winepath -w "$repo/resources/varkonix.txt")" || true
    [ -f "$appdata/kombinator/tkulcs/tippek.inf" ] && echo "installed copy keeps its files in %APPDATA%\\kombinator"
    wine "$installed/Uninstall.exe" /S || true
else
    echo "setup program did not run under this Wine (a 32-bit program: needs wine32)"
fi

step "Summary"
cat "$KOMBINATOR_WIN_QT/kombinator-qt.stamp"
if [ "$tests" -eq 0 ]; then echo "tests under Wine: all passed"; else echo "tests under Wine: FAILED"; fi
echo "skipped under Wine: $(wc -l <"$out/skipped.txt") test rows (build-windows/skipped.txt)"
for f in "$setup" "$zip"; do
    size=$(stat -c %s "$f")
    printf '%s: %d bytes (%d.%d MB)\n' "$(basename "$f")" "$size" $((size / 1048576)) $((size % 1048576 * 10 / 1048576))
done
echo "this run: $((($(date +%s) - started) / 60)) min"
exit "$tests"

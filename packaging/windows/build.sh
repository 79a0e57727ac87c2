#!/usr/bin/env bash
# Kombinátor for Windows, made on Debian 12 from Debian's packages alone:
#  1. installs the MinGW-w64 cross compiler, Wine, NSIS and the Linux build's packages;
#  2. builds the Windows Qt from Debian's qtbase source into a cache folder outside the
#     repository (build-qt.sh), and gumbo from Debian's gumbo-parser source beside it
#     (build-gumbo.sh), or reuses the ones already there;
#  3. builds the Linux kombinator-cli, to compare the Windows one with;
#  4. cross-builds kombinator.exe, kombinator-cli.exe and the test programs;
#  5. runs the test suite under Wine with the offscreen platform;
#  6. takes a screenshot of kombinator.exe under Wine and Xvfb;
#  7. makes Kombinator-<version>-win64-setup.exe (NSIS) and the portable zip, installs the setup
#     program silently under Wine, checks the installed copy (its programs, its start-menu entry,
#     its data folder in %APPDATA%) and uninstalls it silently again.
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
# NSIS makes a 32-bit setup program, which Wine runs only with its 32-bit half: wine32 from the
# i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
    $sudo apt-get update -qq
fi
packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 wine32:i386 nsis cmake ninja-build
          dpkg-dev xz-utils qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-translations-l10n
          libgl-dev g++ pkg-config libgumbo-dev
          xvfb xauth xdotool xclip imagemagick fonts-dejavu-core)
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
$sudo "$here/build-gumbo.sh"

step "Linux kombinator-cli to compare with"
cmake -S "$repo" -B "$out/linux" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKOMBINATOR_TESTS=OFF \
    -DKOMBINATOR_BENCH=OFF >/dev/null
nice cmake --build "$out/linux" --target kombinator-cli -j"$KOMBINATOR_JOBS"

step "Cross-building kombinator.exe, kombinator-cli.exe and the tests"
# pkg-config finds the Windows gumbo beside the Windows Qt, never the Linux one.
PKG_CONFIG_LIBDIR="$KOMBINATOR_WIN_QT/lib/pkgconfig" cmake -S "$repo" -B "$out/win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" -DCMAKE_PREFIX_PATH="$KOMBINATOR_WIN_QT" \
    -DQt6_DIR="$KOMBINATOR_WIN_QT/lib/cmake/Qt6" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v wine)" -DKOMBINATOR_WERROR=ON \
    -DKOMBINATOR_BENCH=OFF \
    -DKOMBINATOR_LINUX_CLI="$out/linux/bin/kombinator-cli" >/dev/null
nice cmake --build "$out/win64" -j"$KOMBINATOR_JOBS"
ls -l "$out/win64/bin/"*.exe

step "Wine"
# A prefix made before wine32 was installed has no 32-bit Windows (syswow64) and cannot get one by
# updating: it is made anew. It holds nothing but what this script puts there.
if [ -d "$WINEPREFIX" ] && [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
    echo "the Wine prefix $WINEPREFIX has no 32-bit half: making it anew"
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
fi
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
# Every skipped test function, with its reason. Qt Test under Wine writes its log to a file only,
# and each test class starts that file anew: the classes run one by one.
for t in "$out"/win64/bin/tst_*.exe; do
    folder=$(basename "$t" .exe)
    folder=${folder#tst_}
    for class in $(sed -n 's/^KOMBINATOR_TEST(\(.*\));$/\1/p' "$repo/tests/$folder"/tst_*.cpp); do
        rm -f "$out/test.txt"
        wine "$t" --class "$class" -o "$(winepath -w "$out/test.txt"),txt" >/dev/null 2>&1 || true
        grep '^SKIP' "$out/test.txt" 2>/dev/null | sed "s|^|tst_$folder: |" || true
    done
done | tee "$out/skipped.txt"

wine reg delete 'HKCU\Environment' /v QT_QPA_PLATFORM /f >/dev/null

step "Screenshot of kombinator.exe under Wine and Xvfb"
# Three tips brought in as a user does (a coupon on the clipboard, "Vágólap betöltése", then
# "Konvertálás"), so that the picture shows the outcome markers in the grid, accented names and the
# systems the tips allow. Wine's first window on a display can take a minute on a busy machine: the
# clicks wait for the window to open.
shot="$out/kombinator-wine.png"
rm -f "$shot"
# Wine's desktop process, started by the tests without a display, would stay without one for the
# window too: the Wine session of the tests ends first.
wineserver -k 2>/dev/null || true
wineserver -w
printf '%s\n' "Arsenal - Chelsea" Arsenal 1,50 "Barcelona - Real Madrid" Döntetlen 1,80 \
    "Ferencváros - Újpest" Újpest 2,10 >"$out/coupon.txt"
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c "
    wine '$out/win64/bin/kombinator.exe' &
    for i in \$(seq 120); do w=\$(xdotool search --name '^Kombinátor\$' | head -n 1); [ -n \"\$w\" ] && break; sleep 1; done
    [ -n \"\$w\" ] || { wineserver -k; exit 1; }
    sleep 4
    xclip -selection clipboard -i '$out/coupon.txt' &
    sleep 1
    xdotool mousemove --window \$w 360 303 click 1
    sleep 2
    xdotool mousemove --window \$w 383 370 click 1
    sleep 3
    import -window root '$shot'
    wineserver -k" >/dev/null 2>&1 || true
[ -f "$shot" ] && echo "screenshot: $shot" || echo "screenshot: none taken (the window did not open)"

step "Installer and portable zip"
(cd "$out/win64" && cpack -G NSIS)
cmake --build "$out/win64" --target kombinator_portable
setup=$(ls "$out"/win64/Kombinator-*-win64-setup.exe)
zip=$(ls "$out"/win64/Kombinator-*-win64-portable.zip)

step "The installer under Wine, silently, and the installed copy"
# As a user installs it: into Program Files, with its start-menu entry, the user's files in
# %APPDATA%\kombinator; uninstalling takes the program and its entry and leaves the user's files.
installer=0
verify() {
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; installer=1; fi
}
installed=$(winepath -u 'C:\Program Files\Kombinator')
menu="$(winepath -u 'C:\ProgramData')/Microsoft/Windows/Start Menu/Programs/Kombinátor"
appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")
rm -rf "$appdata/kombinator"
verify "the setup program ran silently" wine "$setup" /S
verify "the programs are in Program Files\Kombinator\bin" \
    test -f "$installed/bin/kombinator.exe" -a -f "$installed/bin/kombinator-cli.exe"
verify "the start menu has Kombinátor\Kombinátor and its uninstaller" \
    test -f "$menu/Kombinátor.lnk" -a -f "$menu/Uninstall.lnk"
verify "the installed kombinator-cli.exe runs" wine "$installed/bin/kombinator-cli.exe" --version
wine "$installed/bin/kombinator-cli.exe" --system trixie "$(winepath -w "$repo/resources/varkonix.txt")" || true
verify "the installed copy keeps the user's files in %APPDATA%\kombinator" \
    test -f "$appdata/kombinator/tkulcs/tippek.inf"
verify "nothing landed beside the installed program" test ! -e "$installed/bin/tkulcs"
wine "$installed/Uninstall.exe" /S || true
# The uninstaller copies itself away and works on after it returns.
for _ in $(seq 30); do [ -e "$installed" ] || break; sleep 1; done
verify "uninstalling removed the program" test ! -e "$installed"
verify "uninstalling removed the start-menu entry" test ! -e "$menu"
verify "uninstalling left the user's files" test -f "$appdata/kombinator/tkulcs/tippek.inf"

step "Summary"
cat "$KOMBINATOR_WIN_QT/kombinator-qt.stamp"
if [ "$tests" -eq 0 ]; then echo "tests under Wine: all passed"; else echo "tests under Wine: FAILED"; fi
if [ "$installer" -eq 0 ]; then echo "installer under Wine: all checks passed"; else echo "installer under Wine: FAILED"; fi
echo "skipped under Wine: $(wc -l <"$out/skipped.txt") test rows (build-windows/skipped.txt)"
for f in "$setup" "$zip"; do
    size=$(stat -c %s "$f")
    printf '%s: %d bytes (%d.%d MB)\n' "$(basename "$f")" "$size" $((size / 1048576)) $((size % 1048576 * 10 / 1048576))
done
echo "this run: $((($(date +%s) - started) / 60)) min"
[ "$tests" -eq 0 ] && [ "$installer" -eq 0 ]

#!/usr/bin/env bash
# Sets up, builds and then starts Kombinátor (`./build.sh run`) or runs its whole test suite
# (`./build.sh test`). Installs the Debian packages the build needs when any is missing.
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-run}

packages=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-l10n-tools
          qt6-translations-l10n libgl-dev libbenchmark-dev libgtest-dev fonts-dejavu-core libgumbo-dev
          libxcb1-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

build=${KOMBINATOR_BUILD_DIR:-build}
args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
# CI builds treat every warning as an error.
[ "${CI:-}" = "true" ] && args+=(-DKOMBINATOR_WERROR=ON)
cmake -S . -B "$build" "${args[@]}" ${KOMBINATOR_CMAKE_ARGS:-} > /dev/null
cmake --build "$build" -j"$(nproc)"

case "$mode" in
    run) exec "$build/bin/kombinator" ;;
    test) cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

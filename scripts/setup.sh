#!/usr/bin/env bash
# Installs the Debian 12 packages Sorvat needs (only those missing), then
# configures and builds into the given build directory.
#   scripts/setup.sh [BUILD_DIR] [extra cmake arguments...]
#       everything: the programs, the tests, the benchmarks, fuzzing and the
#       sanitizers (scripts/test.sh)
#   scripts/setup.sh --player [BUILD_DIR] [extra cmake arguments...]
#       only what the player needs (scripts/run.sh): the packages to build and
#       run sorvat, sorvat-cli and the help, no tests or benchmarks, and only
#       the target sorvat_player (the two programs and the help); BUILD_DIR is
#       build-player unless given
set -euo pipefail
cd "$(dirname "$0")/.."

player=0
if [ "${1:-}" = "--player" ]; then
  player=1
  shift
fi

# To build and run the programs: compilers and build tools; Qt 6 with lrelease
# (the English interface is compiled in) and Qt's own translations; the
# board's font; the command-line tool's libraries; chmcmd for the help file;
# xdg-open for the help and the exported workbook.
player_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev fonts-ipafont-gothic qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libcli11-dev nlohmann-json3-dev fp-utils xdg-utils
)
# For the tests, fuzzing and benchmarks only, and the spreadsheet export's
# LibreOffice backend (without its SDK the programs build without it, and the
# export reports that the spreadsheet application is unavailable).
test_packages=(
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qqwing poppler-utils
  clang libclang-rt-14-dev llvm
  libreoffice-calc-nogui libreoffice-dev python3-xlrd
  desktop-file-utils appstream-util libxml2-utils libchm-bin shared-mime-info man-db
  at-spi2-core python3-pyatspi gir1.2-atspi-2.0 xvfb dbus-x11 xdotool
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng x11-utils
)

packages=("${player_packages[@]}")
[ "$player" -eq 1 ] || packages+=("${test_packages[@]}")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

default_build=build
[ "$player" -eq 1 ] && default_build=build-player
build="${1:-$default_build}"
shift || true
if [ "$player" -eq 1 ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSORVAT_TESTS=OFF -DSORVAT_BENCH=OFF -DSORVAT_FUZZ=OFF "$@"
  cmake --build "$build" -j"$(nproc)" --target sorvat_player
else
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$build" -j"$(nproc)"
fi

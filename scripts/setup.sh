#!/usr/bin/env bash
# Installs the Debian 12 packages Sorvat needs (only those missing), then
# configures and builds into the given build directory.
#   scripts/setup.sh [BUILD_DIR] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev fonts-ipafont-gothic qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev googletest libbenchmark-dev libcli11-dev nlohmann-json3-dev
  qqwing poppler-utils xdg-utils
  clang libclang-rt-14-dev llvm
  libreoffice-calc-nogui libreoffice-dev python3-xlrd
  fp-utils desktop-file-utils appstream-util libxml2-utils libchm-bin shared-mime-info man-db
  at-spi2-core python3-pyatspi gir1.2-atspi-2.0 xvfb dbus-x11 xdotool
)
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

build="${1:-build}"
shift || true
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j"$(nproc)"

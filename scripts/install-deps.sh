#!/usr/bin/env bash
# Installs everything the project needs to build, test and benchmark, on
# Debian 12, with apt-get. Idempotent: when every package is present it only
# checks and returns.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config git
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libxkbcommon-dev libgl-dev
  clang-format xvfb xauth fonts-dejavu-core poppler-utils
  clang libclang-rt-14-dev
  nlohmann-json3-dev libcli11-dev libboost-math-dev librandom123-dev
  libopenmpi-dev openmpi-bin
  libxlsxwriter-dev
  dpkg-dev fakeroot file lintian desktop-file-utils appstream help2man unzip
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"

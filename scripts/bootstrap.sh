#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when they are missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build ccache pkg-config git
  qt6-base-dev libgl-dev libpugixml-dev libjpeg-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libxml2-utils clang-format fonts-dejavu-core fonts-dejavu-extra
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

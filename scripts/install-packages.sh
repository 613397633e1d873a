#!/usr/bin/env bash
# Installs the Debian packages the game, its tools and its tests need, where missing.
set -euo pipefail
packages=(build-essential cmake pkg-config clang libclang-rt-14-dev libsdl2-dev libfreetype-dev libpng-dev libjpeg-dev
          libgtest-dev libbenchmark-dev xvfb xdotool imagemagick)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing need.
# Running it again installs nothing that is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libfreetype-dev libfontconfig-dev fonts-dejavu-core fonts-liberation zlib1g-dev
  libsdl2-dev libsdl2-mixer-dev libx11-dev
  # The MP3 encoder of the music the build synthesizes.
  lame
  # The program on a virtual display, clicked with a real pointer.
  xvfb xauth xdotool
  # The fuzz check: libFuzzer and the sanitizer runtimes are in libclang-rt-dev,
  # which clang only recommends; llvm brings the symbolizer for crash reports.
  clang libclang-rt-dev llvm
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo=""
  [[ $(id -u) -ne 0 ]] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Kestova
# need. Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-tools-dev qt6-svg-dev libgl-dev
  libmpv-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  ffmpeg mpv python3 rtsp-server-perl
  xvfb xauth libgl1-mesa-dri x11-apps imagemagick
  fonts-wqy-microhei
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

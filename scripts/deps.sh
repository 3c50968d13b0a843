#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Only packages that are missing are installed; nothing happens when all are there.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ clang pkg-config
    qt6-base-dev qt6-multimedia-dev libgl-dev
    libmpv-dev libespeak-ng-dev espeak-ng-data libmp3lame-dev
    libgtest-dev libgmock-dev libbenchmark-dev clang-format
    # run: fonts that stand in for Times New Roman, 宋体 and the phonetics font
    fonts-liberation fonts-noto-cjk fonts-dejavu-core fonts-dejavu-extra
    qt6-qpa-plugins libqt6multimedia6 gstreamer1.0-plugins-base
    # test and measure
    xvfb xauth xdotool imagemagick pulseaudio pulseaudio-utils sox libsox-fmt-mp3 ffmpeg lame
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs every build and test dependency that is missing; does nothing when all are there.
set -euo pipefail

packages=(
    build-essential cmake ccache pkg-config python3
    juce-modules-source
    libgtest-dev googletest libpng-dev libjpeg-dev zlib1g-dev
    libasound2-dev libfreetype-dev libfontconfig1-dev libx11-dev libxrandr-dev libxinerama-dev
    libxcursor-dev libxext-dev libxcomposite-dev libgl-dev
    xvfb xauth xdotool imagemagick x11-utils x11-xserver-utils openbox
    clang libclang-rt-14-dev clang-format
    fonts-dejavu-core librsvg2-bin
    nlohmann-json3-dev libcli11-dev
    file
    pandoc lintian appstream desktop-file-utils libglib2.0-bin man-db
    libcairo2-dev poppler-utils
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}" >&2
if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null

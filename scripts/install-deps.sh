#!/usr/bin/env bash
# Installs every Debian package that the build, the program and the tests need,
# and only those that are missing.
set -euo pipefail

PACKAGES=(
    # build
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    libavformat-dev libavcodec-dev libavfilter-dev libswscale-dev libswresample-dev libavutil-dev
    libjpeg-dev
    # the Debian package (scripts/package.sh)
    dpkg-dev file
    # program at run time (the windows are laid out for the DejaVu fonts, the row
    # texts for its condensed face)
    libmediainfo0v5 dvdauthor fonts-dejavu-core fonts-dejavu-extra
    # tests
    libgtest-dev libgmock-dev ffmpeg lsdvd xvfb xauth libx11-dev libxtst-dev dbus-daemon at-spi2-core imagemagick
    desktop-file-utils appstream
)

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"

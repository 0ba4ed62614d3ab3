#!/usr/bin/env bash
# Installs the Debian packages the build, the program and its tests need,
# and only when something is missing. Packages named as arguments are
# installed too (scripts/package.sh adds its tools this way).
set -euo pipefail
QC_PACKAGES=(
    build-essential cmake ninja-build clang-format pkg-config
    clang libclang-rt-dev
    qt6-base-dev qt6-multimedia-dev libqt6svg6 qt6-qpa-plugins libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    ffmpeg libavformat-dev libavcodec-dev libavutil-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
    gstreamer1.0-plugins-ugly gstreamer1.0-libav
    xvfb xauth dbus fonts-dejavu-core fonts-wqy-microhei
    "$@"
)
missing=()
for p in "${QC_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

#!/usr/bin/env bash
# Installs what building and testing the lesson needs on Debian 12, only what
# is missing. Safe to run again.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    bubblewrap
    qt6-base-dev qt6-translations-l10n zlib1g-dev
    fonts-liberation2
    python3-pil
    xvfb xauth x11-utils xdotool python3-xlib xclip
    clang libclang-rt-14-dev
    dpkg-dev lintian desktop-file-utils appstream
    at-spi2-core dbus-x11 python3-pyatspi gir1.2-atspi-2.0
    bindfs
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Инсталиране / installing: ${missing[*]}"
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

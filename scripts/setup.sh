#!/usr/bin/env bash
# Installs everything Brindlewick needs to build, run and test on Debian 12.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config git
    qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-declarative-dev-tools
    qt6-connectivity-dev qt6-positioning-dev qt6-multimedia-dev qt6-tools-dev qt6-serialport-dev
    qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-layouts
    qml6-module-qtquick-templates qml6-module-qtquick-window qml6-module-qtquick-dialogs
    qml6-module-qtqml-workerscript qml6-module-qttest qml6-module-qtqml
    qml6-module-qtpositioning qml6-module-qtmultimedia qml6-module-qtcore
    qt6-qpa-plugins libgl-dev
    libsqlite3-dev sqlite3 zlib1g-dev libzxing-dev libbenchmark-dev
    xvfb xauth libgl1-mesa-dri libglx-mesa0 fonts-dejavu-core
    clang libclang-rt-14-dev libhamlib-utils
    libpq-dev postgresql qtkeychain-qt6-dev qt6-l10n-tools
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

#!/usr/bin/env bash
# Installs the Debian 12 packages Plinkapad needs to build, run and test, when any is
# missing. Uses sudo unless run as root.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    libwxgtk3.2-dev libgtk-3-dev libsdl2-dev
    libchm-dev fp-utils-3.2.2
    libgtest-dev libx11-dev xvfb xauth xdotool imagemagick openbox
    python3-xlib x11-utils x11-xserver-utils x11-xkb-utils xserver-xorg-core
    xserver-xorg-video-dummy sway wtype weston mutter
    libwayland-dev libwayland-bin wayland-protocols python3-gi python3-dbus gir1.2-glib-2.0 dbus
    clang-14 libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev fakeroot man-db
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"

#!/usr/bin/env bash
# Installs the Debian 12 packages Plinkapad needs to build, run and test, when any is
# missing; with the argument "windows", also what the Windows cross build and its tests under
# wine need. Uses sudo unless run as root.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    libwxgtk3.2-dev libgtk-3-dev libsdl2-dev webp-pixbuf-loader heif-gdk-pixbuf
    libavformat-dev libavcodec-dev libswresample-dev libavutil-dev ffmpeg
    libchm-dev fp-utils-3.2.2
    libgtest-dev libx11-dev xvfb xauth xdotool imagemagick openbox sox libheif-examples
    python3-xlib x11-utils x11-xserver-utils x11-xkb-utils sway wtype
    libwayland-dev libwayland-bin wayland-protocols python3-gi python3-dbus gir1.2-glib-2.0 dbus
    clang-14 libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev fakeroot man-db gettext locales
)
# The other desktops the lock is tried on, without what their full sessions recommend, and
# the permission store where GNOME keeps its users' answers.
desktops=(xserver-xorg-core xserver-xorg-video-dummy weston mutter gnome-shell xdg-desktop-portal)
if [ "${1:-}" = windows ]; then
    desktops+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
        binutils-mingw-w64-x86-64 nasm wine64 wine nsis zip)
fi

missing() {
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
    done
}
mapfile -t missing < <(missing "${packages[@]}")
mapfile -t missing_desktops < <(missing "${desktops[@]}")
[ ${#missing[@]} -eq 0 ] && [ ${#missing_desktops[@]} -eq 0 ] && exit 0

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]} ${missing_desktops[*]}"
$sudo apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
if [ ${#missing_desktops[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing_desktops[@]}"
fi

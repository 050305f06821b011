#!/usr/bin/env bash
# Builds Plinkapad for 64-bit Windows on Debian 12 with mingw-w64: build-windows/Plinkapad/
# holds plinkapad.exe with everything it needs beside it (the import program, SDL's and
# FFmpeg's libraries and the shipped data: the sample picture groups, the sounds, the help
# file and the settings), ready to run under wine. From it come the installer
# build-windows/Plinkapad-Setup-VERSION.exe (NSIS) and the portable
# build-windows/Plinkapad-VERSION-portable.zip. The libraries Debian does not package for MinGW are
# built once into a cache outside the clone (scripts/windows-deps.sh); the shipped data is
# made by the Linux build's own generator.
#   scripts/windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows
mapfile -t prefixes < <(scripts/windows-deps.sh)
prefix() { printf '%s\n' "${prefixes[@]}" | grep "/$1-" | head -n 1; }
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DWX_CONFIG="$(prefix wx)/bin/wx-config" \
    "-DCMAKE_PREFIX_PATH=$(prefix sdl);$(prefix gtest);$(prefix ffmpeg);$(prefix chmlib)" >/dev/null
cmake --build build-windows --parallel "$(nproc)"

app=build-windows/Plinkapad
# The shipped data, made afresh by the Linux build; what a parent changed in the folder stays.
[ -e build/CMakeCache.txt ] || scripts/configure.sh
cmake --build build --target shipped icons library_listing >/dev/null
cp -rn build/data/shipped/. "$app/"
echo "built $app"

version=$(sed -n 's/^project(Plinkapad VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
# The icon of the installer and its uninstaller, from the program's own painted icons.
icons=build/data/icons/hicolor
convert "$icons"/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/*.png \
    build-windows/plinkapad.ico
makensis -V2 -DVERSION="$version" -DAPPDIR="$PWD/$app" -DLICENSE="$PWD/LICENSE" \
    -DICON="$PWD/build-windows/plinkapad.ico" \
    -DOUTFILE="$PWD/build-windows/Plinkapad-Setup-$version.exe" data/windows/Plinkapad.nsi
echo "built build-windows/Plinkapad-Setup-$version.exe"
# The portable copy: the same folder, which keeps its library beside the program.
rm -f "build-windows/Plinkapad-$version-portable.zip"
(cd build-windows && zip -qr "Plinkapad-$version-portable.zip" Plinkapad)
echo "built build-windows/Plinkapad-$version-portable.zip"

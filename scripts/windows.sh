#!/usr/bin/env bash
# Builds Plinkapad for 64-bit Windows on Debian 12 with mingw-w64: build-windows/Plinkapad/
# holds plinkapad.exe with everything it needs beside it (SDL2.dll and the shipped data:
# the sample picture groups, the sounds, the help file and the settings), ready to copy to a
# Windows machine or to run under wine. The libraries Debian does not package for MinGW are
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
    "-DCMAKE_PREFIX_PATH=$(prefix sdl);$(prefix gtest);$(prefix ffmpeg)" >/dev/null
cmake --build build-windows --parallel "$(nproc)"

app=build-windows/Plinkapad
# The shipped data, made afresh by the Linux build; what a parent changed in the folder stays.
[ -e build/CMakeCache.txt ] || scripts/configure.sh
cmake --build build --target shipped >/dev/null
cp -rn build/data/shipped/. "$app/"
echo "built $app"

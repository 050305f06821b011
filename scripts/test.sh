#!/usr/bin/env bash
# Builds Plinkapad and runs every test: the unit tests, the GUI tests, the driven games and
# the lock suite on virtual displays, then a short run of the file fuzzers; then the Windows
# cross build, with its tests under wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/configure.sh
cmake --build build --parallel "$(nproc)"
cd build
ctest --output-on-failure
cd ..
# A short run of every fuzz target; scripts/fuzz.sh SECONDS runs them longer.
scripts/fuzz.sh 25
# The Windows build (scripts/windows.sh), its tests that need no display and a driven start
# of the program, under wine on a virtual display.
scripts/windows.sh
cd build-windows
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --output-on-failure

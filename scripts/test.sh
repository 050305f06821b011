#!/usr/bin/env bash
# Builds Plinkapad and runs every test: the unit tests, the GUI tests, the driven games and
# the lock suite on virtual displays, then a short run of the file fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/configure.sh
cmake --build build --parallel "$(nproc)"
cd build
ctest --output-on-failure
cd ..
# A short run of every fuzz target; scripts/fuzz.sh SECONDS runs them longer.
scripts/fuzz.sh 25

#!/usr/bin/env bash
# Installs what the build needs and configures the one build folder, build/, that
# scripts/run.sh and scripts/test.sh share: the same build type and options for both, so
# neither undoes the other's build. RelWithDebInfo is optimised like a release and keeps the
# debugging information that makes a test failure readable; the package and
# `cmake --install --strip` leave that information out.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo

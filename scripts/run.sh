#!/usr/bin/env bash
# Builds Plinkapad with its sample library into build/Plinkapad and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/configure.sh
cmake --build build --parallel "$(nproc)" --target plinkapad samples
if [ -z "${DISPLAY:-}" ]; then
    echo "Built build/Plinkapad/plinkapad; start it from a graphical session." >&2
    exit 1
fi
exec build/Plinkapad/plinkapad

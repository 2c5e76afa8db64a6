#!/usr/bin/env bash
# Builds Tablerix and runs every test (headless).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release

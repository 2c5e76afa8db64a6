#!/usr/bin/env bash
# Builds Tablerix and runs every test (headless).
# Warnings stop the build only when asked: TABLERIX_WERROR=ON scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset release -DTABLERIX_WERROR="${TABLERIX_WERROR:-OFF}" >/dev/null
cmake --build --preset release
ctest --preset release

#!/usr/bin/env bash
# Builds Tablerix (release; the program only, not the tests) and starts it.
# Warnings stop the build only when asked (TABLERIX_WERROR=ON), whatever an
# earlier run left in the cache.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset release -DTABLERIX_WERROR="${TABLERIX_WERROR:-OFF}" >/dev/null
cmake --build --preset release --target tablerix
exec build/release/app/tablerix "$@"

#!/usr/bin/env bash
# Builds Tablerix (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target tablerix
exec build/release/app/tablerix "$@"

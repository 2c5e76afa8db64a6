#!/usr/bin/env bash
# Builds and runs the whole suite under ASan+UBSan, and the threaded tests under TSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
cmake --preset tsan >/dev/null
cmake --build --preset tsan --target tsan_tests
ctest --preset tsan -L tsan

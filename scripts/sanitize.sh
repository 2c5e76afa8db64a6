#!/usr/bin/env bash
# Builds and runs the whole suite under ASan+UBSan, and the threaded tests under TSan.
# Warnings stop the build only when asked: TABLERIX_WERROR=ON scripts/sanitize.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
werror=-DTABLERIX_WERROR="${TABLERIX_WERROR:-OFF}"
cmake --preset asan "$werror" >/dev/null
cmake --build --preset asan
ctest --preset asan
cmake --preset tsan "$werror" >/dev/null
cmake --build --preset tsan --target tsan_tests
ctest --preset tsan -L tsan

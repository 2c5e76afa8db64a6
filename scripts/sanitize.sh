#!/usr/bin/env bash
# Builds and runs the whole suite under ASan+UBSan (built with clang) and the
# threaded tests under TSan. One leg alone: scripts/sanitize.sh asan-clang
# (or asan, the same with GCC, or tsan). These presets build without NDEBUG,
# so the assertions (the worker's state tables, the engine board's own check)
# run here, which the release build leaves out.
# Warnings stop the build only when asked: TABLERIX_WERROR=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
(($#)) || set -- asan-clang tsan
for preset in "$@"; do
  cmake --preset "$preset" -DTABLERIX_WERROR="${TABLERIX_WERROR:-OFF}" >/dev/null
  case $preset in
    asan|asan-clang)
      cmake --build --preset "$preset"
      ctest --preset "$preset" ;;
    tsan)
      cmake --build --preset tsan --target tsan_tests
      ctest --preset tsan -L tsan ;;
    *) echo "sanitize.sh: unknown leg '$preset' (asan-clang, asan or tsan)" >&2; exit 2 ;;
  esac
done

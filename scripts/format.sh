#!/usr/bin/env bash
# The house style of every C++ file (.clang-format). Without arguments it
# only checks and fails on the first file that differs; with --fix it
# rewrites the files in place.
# Usage: scripts/format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
# The style is pinned to Debian 12's formatter; other versions lay out some
# lines differently.
tool=$(command -v clang-format-14 || command -v clang-format)
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ ${1:-} == --fix ]]; then
  "$tool" -i "${files[@]}"
else
  "$tool" --dry-run --Werror "${files[@]}"
  echo "format.sh: ${#files[@]} files follow the house style"
fi

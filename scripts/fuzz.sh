#!/usr/bin/env bash
# Runs the game-file fuzzer (clang, libFuzzer, ASan+UBSan) for a while and
# fails if it finds an input that breaks the reader. It works on a copy of
# tests/app/fuzz_corpus, so the committed corpus never changes.
# Usage: scripts/fuzz.sh [seconds]    (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/deps.sh
cmake --preset asan-clang -DTABLERIX_WERROR="${TABLERIX_WERROR:-OFF}" >/dev/null
cmake --build --preset asan-clang --target gamefile_fuzz
work=build/asan-clang/fuzz-run
rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts"
cp tests/app/fuzz_corpus/* "$work/corpus/"
if ! build/asan-clang/tests/app/gamefile_fuzz "$work/corpus" -max_total_time="$seconds" \
       -artifact_prefix="$work/artifacts/" -print_final_stats=1; then
  echo "fuzz.sh: the game-file reader failed; the input is kept in $work/artifacts:" >&2
  ls -l "$work/artifacts" >&2
  exit 1
fi

#!/usr/bin/env bash
# Runs the fuzzers (clang, libFuzzer, ASan+UBSan) one after the other and
# fails if one finds an input that breaks what it tests: the game-file
# reader (tests/app/fuzz_corpus, plus files at its size limit made here so
# the repository stays small) and the PGN reader and writer
# (tests/app/notation/pgn_corpus). They work on copies, so the committed
# corpora never change.
# Usage: scripts/fuzz.sh [seconds]    (default 60, shared by the fuzzers)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
each=$(((seconds + 1) / 2))
scripts/deps.sh
cmake --preset asan-clang -DTABLERIX_WERROR="${TABLERIX_WERROR:-OFF}" >/dev/null
cmake --build --preset asan-clang --target gamefile_fuzz pgn_fuzz
work=build/asan-clang/fuzz-run
rm -rf "$work"

# fuzz <program> <run> <seconds> <seeds> [libFuzzer options]: runs the program
# for that long on a copy of the seeds in its own folder, $work/<run>.
fuzz() {
  local program=$1 run=$2 time=$3 seeds=$4
  shift 4
  mkdir -p "$work/$run/corpus" "$work/$run/artifacts"
  cp "$seeds"/* "$work/$run/corpus/"
  if ! "$program" "$work/$run/corpus" -max_total_time="$time" -artifact_prefix="$work/$run/artifacts/" \
         -print_final_stats=1 "$@"; then
    echo "fuzz.sh: $(basename "$program") failed; the input is kept in $work/$run/artifacts:" >&2
    ls -l "$work/$run/artifacts" >&2
    exit 1
  fi
}

# sized <bytes> <file> <command...>: the command's output cut to exactly that size.
sized() {
  local bytes=$1 file=$2
  shift 2
  (
    set +o pipefail  # the endless writer is stopped by head
    "$@" | head -c "$bytes" >"$file"
  )
  [[ $(stat -c %s "$file") -eq $bytes ]]
}

# A game file may hold 1 MiB (GameFileFormat::kMaxFileBytes); a byte more and
# it is refused. Notes lines longer than the 500 columns kept, and a visible
# move list that fills the file. Each takes a while to read, so they get a
# short run of their own and the small seeds keep their pace in the rest.
limit=$((1024 * 1024))
big=$work/gamefile-limit-seeds
mkdir -p "$big"
note=$(printf 'Una nota larga del final de la partida, %.0s' {1..14})
notes() { cat tests/app/fuzz_corpus/mate.Chess && yes "$note"$'\r'; }
entries() { printf 'Tiempos...\r\n000000000000000000000000\r\nJugadas Jaque...\r\n' && yes $'1. E2-E4  E7-E5\r'; }
sized "$limit" "$big/notes-at-limit.Chess" notes
sized "$((limit + 1))" "$big/notes-over-limit.Chess" notes
sized "$limit" "$big/entries-at-limit.Chess" entries

gamefile=build/asan-clang/tests/app/gamefile_fuzz
third=$(((each + 2) / 3))
fuzz "$gamefile" gamefile-limit "$third" "$big" -max_len="$((limit + 1))"
fuzz "$gamefile" gamefile "$((each > third ? each - third : 1))" tests/app/fuzz_corpus
fuzz build/asan-clang/tests/app/notation/pgn_fuzz pgn "$each" tests/app/notation/pgn_corpus

#!/usr/bin/env bash
# Plays the UCI engine (tools/tablerix-engine) against itself under a clock,
# through pipes, each move judged by the rules core, and reports the games,
# their results and every loss on time (a side whose clock goes below zero
# loses). Builds the release preset first.
#
# Usage: scripts/engine-match.sh [--games N] [--minutes M] [--time S] [--inc S]
#                                [--depth D] [--plies P] [--seed N] [--ponder]
# Defaults: 10 games at 10 s + 0.1 s a move, Depth 8 (the engine's ceiling),
# a random 4-ply opening for each pair of games, colours swapped.
# Example, as many games as start within 20 minutes:
#   scripts/engine-match.sh --games 1000 --minutes 20
# The exit status is 1 when a side lost on time or an engine failed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset release -DTABLERIX_WERROR="${TABLERIX_WERROR:-OFF}" >/dev/null
cmake --build --preset release --target tablerix-engine tablerix-match
exec build/release/tools/engine-match/tablerix-match --engine build/release/tools/tablerix-engine/tablerix-engine "$@"

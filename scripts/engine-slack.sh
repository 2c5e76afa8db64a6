#!/usr/bin/env bash
# Measures how late the UCI engine answers, through pipes: for each Depth
# setting 1..8, the worst time from "go movetime 100" to its bestmove, and
# from "stop" (at a random moment of "go infinite") to its bestmove; checks
# that every go gets exactly one bestmove. Builds the release preset first.
#
# Usage: scripts/engine-slack.sh [--repeats N] [--movetime MS] [--limit MS] [--seed N]
# The exit status is 1 when an answer is missing or doubled, or comes more
# than --limit ms (default 50) late.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset release -DTABLERIX_WERROR="${TABLERIX_WERROR:-OFF}" >/dev/null
cmake --build --preset release --target tablerix-engine tablerix-slack
exec build/release/tools/engine-match/tablerix-slack --engine build/release/tools/tablerix-engine/tablerix-engine "$@"

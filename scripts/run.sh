#!/usr/bin/env bash
# Sets up and builds what the player needs (scripts/setup.sh --player, into
# build-player: no tests, no benchmarks) and starts the player outside the
# repository (scripts/play.sh): on the game in progress, the next sample
# puzzle not solved yet, or the given file.
#   scripts/run.sh [PUZZLE_FILE]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/setup.sh" --player build-player
exec "$repo/scripts/play.sh" "$repo/build-player/app/sorvat" "$@"

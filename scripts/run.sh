#!/usr/bin/env bash
# Sets up, builds and starts the player with a sample puzzle (or the given file).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
if [ -x build/app/sorvat ]; then
  exec build/app/sorvat "${1:-samples/queue/01-simple.md2}"
fi
for f in samples/*.md1 samples/*.md2; do
  echo "== $f"
  build/cli/sorvat-cli analyze "$f" --answer
done

#!/bin/sh
# Solves one collection (one puzzle per line) with `sorvat-cli solve --jobs 1`
# and with `qqwing --solve` in the same run, and prints both times and their
# ratio (sorvat-cli / qqwing; below 1.0 means sorvat-cli is faster).
#
#   bench/compare-peer.sh COLLECTION [SORVAT_CLI]
#   SORVAT_CLI defaults to build/cli/sorvat-cli; REPEAT=N runs each N times
#   and reports the fastest run.
set -eu

if [ $# -lt 1 ] || [ ! -r "$1" ]; then
    echo "usage: $0 COLLECTION [SORVAT_CLI]   (COLLECTION: a readable file of 81-character puzzle lines)" >&2
    exit 2
fi
collection=$1
cli=${2:-build/cli/sorvat-cli}
repeat=${REPEAT:-1}
command -v qqwing >/dev/null || { echo "$0: qqwing is not installed (apt-get install qqwing)" >&2; exit 2; }
[ -x "$cli" ] || { echo "$0: $cli is not an executable sorvat-cli" >&2; exit 2; }

now() { date +%s.%N; }

# Runs "$@" with the collection on stdin REPEAT times; prints the fastest wall time in seconds.
fastest() {
    best=""
    i=0
    while [ "$i" -lt "$repeat" ]; do
        start=$(now)
        "$@" <"$collection" >/dev/null 2>"$tmp/err"
        end=$(now)
        t=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.6f", b - a }')
        if [ -z "$best" ] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$t; fi
        i=$((i + 1))
    done
    echo "$best"
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

puzzles=$(grep -c -E '^[0-9.]{81}' "$collection" || true)
sorvat=$(fastest "$cli" solve --jobs 1 -)
summary=$(grep -m1 'puzzles:' "$tmp/err" | sed 's/^sorvat-cli solve: //')
peer=$(fastest qqwing --solve --one-line)

awk -v c="$collection" -v n="$puzzles" -v s="$sorvat" -v q="$peer" -v sum="$summary" 'BEGIN {
    printf "collection   %s (%d puzzles)\n", c, n
    printf "sorvat-cli   %.3f s  (%.3f ms per puzzle; %s)\n", s, n ? s * 1000 / n : 0, sum
    printf "qqwing       %.3f s  (%.3f ms per puzzle)\n", q, n ? q * 1000 / n : 0
    printf "ratio        %.2f  (sorvat-cli / qqwing)\n", (q > 0 ? s / q : 0)
}'

#!/bin/bash
# Solves one collection (one puzzle per line) with `sorvat-cli solve --jobs 1`
# (or `check --jobs 1` with MODE=check) and with `qqwing --solve` in the same
# run, and prints both times and their ratio (sorvat-cli / qqwing; below 1.0
# means sorvat-cli is faster).
# Wall time and CPU time (user + system) are both shown: on a shared machine
# the CPU time is the steadier of the two.
#
#   bench/compare-peer.sh COLLECTION [SORVAT_CLI]
#   SORVAT_CLI defaults to build/cli/sorvat-cli; REPEAT=N runs each N times
#   and keeps the run with the least CPU time; MODE=solve (default) or check.
set -euo pipefail

if [ $# -lt 1 ] || [ ! -r "$1" ]; then
    echo "usage: $0 COLLECTION [SORVAT_CLI]   (COLLECTION: a readable file of 81-character puzzle lines)" >&2
    exit 2
fi
collection=$1
cli=${2:-build/cli/sorvat-cli}
repeat=${REPEAT:-1}
mode=${MODE:-solve}
case $mode in solve | check) ;; *) echo "$0: MODE must be solve or check" >&2; exit 2 ;; esac
command -v qqwing >/dev/null || { echo "$0: qqwing is not installed (apt-get install qqwing)" >&2; exit 2; }
[ -x "$cli" ] || { echo "$0: $cli is not an executable sorvat-cli" >&2; exit 2; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Runs "$@" with the collection on stdin REPEAT times; prints "WALL CPU" of
# the run with the least CPU time, in seconds.
best_of() {
    local best="" i
    for ((i = 0; i < repeat; i++)); do
        local TIMEFORMAT='%R %U %S'
        { time "$@" <"$collection" >/dev/null 2>"$tmp/err"; } 2>"$tmp/time"
        local wall user sys
        read -r wall user sys <"$tmp/time"
        local cpu
        cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.3f", u + s }')
        if [ -z "$best" ] || awk -v c="$cpu" -v b="${best#* }" 'BEGIN { exit !(c < b) }'; then
            best="$wall $cpu"
            cp "$tmp/err" "$tmp/best-err"
        fi
    done
    echo "$best"
}

puzzles=$(grep -c -E '^[0-9.]{81}' "$collection" || true)
read -r sorvatWall sorvatCpu < <(best_of "$cli" "$mode" --jobs 1 -)
summary=$(grep -m1 "^sorvat-cli $mode: " "$tmp/best-err" | sed "s/^sorvat-cli $mode: //")
read -r peerWall peerCpu < <(best_of qqwing --solve --one-line)

awk -v c="$collection" -v n="$puzzles" -v sw="$sorvatWall" -v sc="$sorvatCpu" -v qw="$peerWall" -v qc="$peerCpu" \
    -v sum="$summary" -v mode="$mode" 'BEGIN {
    printf "collection   %s (%d puzzles)\n", c, n
    printf "command      sorvat-cli %s --jobs 1 against qqwing --solve --one-line\n", mode
    printf "sorvat-cli   wall %8.3f s  cpu %8.3f s  (%.3f ms cpu per puzzle; %s)\n", sw, sc, (n ? sc * 1000 / n : 0), sum
    printf "qqwing       wall %8.3f s  cpu %8.3f s  (%.3f ms cpu per puzzle)\n", qw, qc, (n ? qc * 1000 / n : 0)
    printf "ratio        wall %8.2f    cpu %8.2f    (sorvat-cli / qqwing)\n", (qw > 0 ? sw / qw : 0), (qc > 0 ? sc / qc : 0)
}'

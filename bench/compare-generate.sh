#!/bin/bash
# Puzzles per CPU second of `sorvat-cli generate` for each level it accepts,
# and of `qqwing --generate` for each of its difficulties, in the same run.
# CPU time (user + system) of the whole process, start included.
#
#   bench/compare-generate.sh [SORVAT_CLI]
#   SORVAT_CLI defaults to build/cli/sorvat-cli. COUNT=N puzzles per level
#   (default 100; level 6 and qqwing's simple and easy get a tenth of it,
#   at least 5); SEED=S (default 1); OPTIONS="--symmetry rotational" etc.
#   are passed to sorvat-cli generate.
set -euo pipefail

cli=${1:-build/cli/sorvat-cli}
count=${COUNT:-100}
seed=${SEED:-1}
options=${OPTIONS:-}
few=$((count / 10 > 5 ? count / 10 : 5))
command -v qqwing >/dev/null || { echo "$0: qqwing is not installed (apt-get install qqwing)" >&2; exit 2; }
[ -x "$cli" ] || { echo "$0: $cli is not an executable sorvat-cli" >&2; exit 2; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Runs "$@"; prints its CPU seconds and the number of lines it printed.
cpu_and_lines() {
    local TIMEFORMAT='%U %S'
    { time "$@" >"$tmp/out" 2>/dev/null; } 2>"$tmp/time"
    local user sys
    read -r user sys <"$tmp/time"
    awk -v u="$user" -v s="$sys" -v n="$(grep -c . "$tmp/out")" 'BEGIN { printf "%.3f %d\n", u + s, n }'
}

report() {  # NAME CPU PUZZLES
    awk -v name="$1" -v c="$2" -v n="$3" 'BEGIN { printf "%-46s %6d puzzles  cpu %8.3f s  %9.1f per second\n", name, n, c, (c > 0 ? n / c : 0) }'
}

for level in 0 1 3 4 5 6 8; do
    n=$count
    [ "$level" = 6 ] && n=$few
    # shellcheck disable=SC2086
    read -r cpu made < <(cpu_and_lines "$cli" generate --level "$level" --count "$n" --seed "$seed" $options)
    report "sorvat-cli generate --level $level" "$cpu" "$made"
done
for difficulty in simple easy intermediate expert; do
    n=$count
    case $difficulty in simple | easy) n=$few ;; esac
    read -r cpu made < <(cpu_and_lines qqwing --generate "$n" --difficulty "$difficulty" --one-line)
    report "qqwing --generate --difficulty $difficulty" "$cpu" "$made"
done

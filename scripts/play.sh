#!/usr/bin/env bash
# Starts a built player outside the repository, on the game in progress:
#   scripts/play.sh PROGRAM [PUZZLE_FILE]
#
# The program writes its continue and quick-save files (_Sorvat.Continue.md1,
# _Sorvat.Quick.md1) into its current directory and marks a solved puzzle by
# renaming it "x.NAME". So it runs in the player's own directory,
#   ${XDG_DATA_HOME:-~/.local/share}/sorvat/samples
# with a copy of the sample queue in its folder "queue". A sample is copied
# only while neither it nor its solved form is there: the player's files and
# progress are never overwritten. The queue has a folder of its own because
# the program takes every file of a puzzle's directory not beginning with "."
# or "x." as the next puzzle, the continue file too.
#
# Without PUZZLE_FILE: the game in progress when there is a continue file (the
# program loads it when started without a file), otherwise the first sample not
# solved yet, or no file once all are solved. PUZZLE_FILE is played from the
# same directory, its name made absolute first.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)

usage() {
  echo "usage: scripts/run.sh [PUZZLE_FILE]" >&2
  exit 2
}
[ $# -ge 1 ] || usage
program=$(realpath -s -m -- "$1")
shift
[ $# -le 1 ] || usage
file=""
if [ $# -eq 1 ]; then
  case "$1" in -*) usage ;; esac
  file=$(realpath -s -m -- "$1")
fi

samples="${XDG_DATA_HOME:-$HOME/.local/share}/sorvat/samples"
mkdir -p -- "$samples/queue"

# Copies FROM to DIR/NAME unless the player has NAME or its solved form.
copy_once() {
  local from=$1 dir=$2 name=${1##*/}
  if [ ! -e "$dir/$name" ] && [ ! -L "$dir/$name" ] && [ ! -e "$dir/x.$name" ] && [ ! -L "$dir/x.$name" ]; then
    cp -n -- "$from" "$dir/$name"
  fi
}
for sample in "$repo"/samples/queue/*.md2; do
  copy_once "$sample" "$samples/queue"
done
# The spreadsheet export makes its workbook from the template in the current
# directory.
copy_once "$repo/data/_Template.xls" "$samples"

# The queue's first puzzle as the program picks it: names in byte order,
# directories and names beginning with "." or "x." passed over.
first_unsolved() (
  LC_ALL=C
  for path in "$1"/*; do
    [ -e "$path" ] || [ -L "$path" ] || continue
    [ ! -d "$path" ] || continue
    case "${path##*/}" in x.*) continue ;; esac
    printf '%s\n' "$path"
    return 0
  done
  return 1
)

cd -- "$samples"
if [ -n "$file" ]; then
  exec "$program" "$file"
elif [ ! -e _Sorvat.Continue.md1 ] && next=$(first_unsolved "$samples/queue"); then
  exec "$program" "$next"
else
  exec "$program"
fi

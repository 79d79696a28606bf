#!/usr/bin/env bash
# scripts/play.sh, what scripts/run.sh starts: the samples are copied once into
# the player's directory, the program runs there on the game in progress or
# the first unsolved sample, and the repository is left alone.
#   check_play.sh SOURCE_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
play="$source_dir/scripts/play.sh"
work=$(mktemp -d)
trap 'rm -rf -- "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The program: notes its directory and arguments, and writes its fixed files
# where the real one does, into the current directory.
cat >"$work/program" <<'STUB'
#!/bin/sh
{ pwd; for a in "$@"; do printf '%s\n' "$a"; done; } >"$STUB_LOG"
: >_Sorvat.Quick.md1
STUB
chmod +x "$work/program"
export STUB_LOG="$work/log"

# Runs play.sh from directory $1 with the remaining arguments and checks the
# program's directory and arguments against the lines of $expected.
expect_start() {
  local from=$1
  shift
  rm -f -- "$STUB_LOG"
  (cd "$from" && "$play" "$work/program" "$@") || fail "play.sh $* exited with $?"
  [ -f "$STUB_LOG" ] || fail "play.sh $* did not start the program"
  diff -u <(printf '%s\n' "${expected[@]}") "$STUB_LOG" || fail "play.sh $*: program started as above"
}

repo_before=$(cd "$source_dir" && ls -la samples samples/queue)
export XDG_DATA_HOME="$work/data"
dir="$XDG_DATA_HOME/sorvat/samples"
queue="$dir/queue"

# First run: the queue copied, the first sample played in the player's directory.
expected=("$dir" "$queue/01-simple.md2")
expect_start "$work"
for sample in "$source_dir"/samples/queue/*.md2; do
  cmp -s "$sample" "$queue/${sample##*/}" || fail "${sample##*/} not copied"
done
cmp -s "$source_dir/data/_Template.xls" "$dir/_Template.xls" || fail "_Template.xls not copied"
[ -e "$dir/_Sorvat.Quick.md1" ] || fail "the program did not run in $dir"
[ ! -e "$queue/_Sorvat.Quick.md1" ] || fail "the fixed files went into the queue"

# Solved and saved puzzles stay as the player left them: the next unsolved one is played.
mv "$queue/01-simple.md2" "$queue/x.01-simple.md2"
echo "the player's own save" >"$queue/02-easy.md2"
echo "the player's own template" >"$dir/_Template.xls"
expected=("$dir" "$queue/02-easy.md2")
expect_start "$work"
[ ! -e "$queue/01-simple.md2" ] || fail "a solved sample was copied again"
grep -q "own save" "$queue/02-easy.md2" || fail "the player's puzzle was overwritten"
grep -q "own template" "$dir/_Template.xls" || fail "the player's template was overwritten"

# A game in progress: started without a file, so the program loads the continue file.
: >"$dir/_Sorvat.Continue.md1"
expected=("$dir")
expect_start "$work"

# A file given: played from the player's directory, its name made absolute.
mkdir "$work/mine"
: >"$work/mine/p.md1"
expected=("$dir" "$work/mine/p.md1")
expect_start "$work/mine" p.md1
expect_start "$work" mine/p.md1

# All solved, nothing in progress: started without a file.
rm "$dir/_Sorvat.Continue.md1"
for f in "$queue"/[!x]*; do
  mv "$f" "$queue/x.${f##*/}"
done
expected=("$dir")
expect_start "$work"
[ -z "$(cd "$queue" && ls | grep -v '^x\.')" ] || fail "solved samples were copied again"

# Without XDG_DATA_HOME: under ~/.local/share.
unset XDG_DATA_HOME
expected=("$work/home/.local/share/sorvat/samples" "$work/home/.local/share/sorvat/samples/queue/01-simple.md2")
HOME="$work/home" expect_start "$work"

[ "$repo_before" = "$(cd "$source_dir" && ls -la samples samples/queue)" ] || fail "the repository's samples changed"
echo "play.sh: ok"

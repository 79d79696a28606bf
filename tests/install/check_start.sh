#!/usr/bin/env bash
# The installed program as a user starts it: `--help` and `--version` without
# a display; a start through the launcher (offscreen) that opens a puzzle and
# is ended by SIGTERM like a session logout. The settings must then be in the
# user's config folder (a system-wide program directory is not written),
# naming the puzzle, and the continue file must hold the puzzle; the settings
# of an earlier version move over; a start from the desktop menu keeps the
# game in the user's state folder.
source "$(dirname "$0")/common.sh"
launcher="$prefix/bin/sorvat"
cli="$prefix/bin/sorvat-cli"
private="$prefix/lib/sorvat"
version=$(sed -n 's/^project(Sorvat VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")

# Information options: no window system needed, exit status 0.
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
out=$("${nodisplay[@]}" "$launcher" --version) || fail "sorvat --version failed"
[ "$out" = "sorvat $version" ] || fail "sorvat --version printed '$out'"
out=$("${nodisplay[@]}" "$launcher" --help) || fail "sorvat --help failed"
grep -qE "(Usage|使い方): .*\[file\]" <<<"$out" || fail "sorvat --help does not show the file argument"
grep -q -- "--version" <<<"$out" || fail "sorvat --help does not list --version"
# The interface language: English under an English locale or with --lang en,
# Japanese by default and with --lang ja.
inlocale() { env -u LC_ALL -u LC_MESSAGES -u LC_NUMERIC -u LANGUAGE LANG="$1" "${@:2}"; }
out=$(inlocale en_US.UTF-8 "${nodisplay[@]}" "$launcher" --help) || fail "sorvat --help failed in English"
grep -q "number-placement puzzles" <<<"$out" || fail "sorvat --help is not English under LANG=en_US.UTF-8"
grep -q -- "--lang <ja|en>" <<<"$out" || fail "sorvat --help does not list --lang"
out=$(inlocale C.UTF-8 "${nodisplay[@]}" "$launcher" --help) || fail "sorvat --help failed"
grep -q "数字配置パズル" <<<"$out" || fail "sorvat --help is not Japanese by default"
out=$(inlocale C.UTF-8 "${nodisplay[@]}" "$launcher" --lang en --help) || fail "sorvat --lang en --help failed"
grep -q "number-placement puzzles" <<<"$out" || fail "sorvat --lang en --help is not English"
out=$(inlocale en_US.UTF-8 "${nodisplay[@]}" "$launcher" --lang ja --help) || fail "sorvat --lang ja --help failed"
grep -q "数字配置パズル" <<<"$out" || fail "sorvat --lang ja --help is not Japanese"
if "${nodisplay[@]}" "$launcher" --lang fr --help >/dev/null 2>"$scratch/lang.err"; then
    fail "sorvat accepted --lang fr"
fi
grep -q "fr" "$scratch/lang.err" || fail "sorvat does not name the refused language"
out=$("$cli" --version) || fail "sorvat-cli --version failed"
[ "$out" = "sorvat-cli $version" ] || fail "sorvat-cli --version printed '$out'"
out=$("$cli" --help) || fail "sorvat-cli --help failed"
grep -q "analyze" <<<"$out" || fail "sorvat-cli --help does not list its commands"
if QT_QPA_PLATFORM=offscreen "$launcher" --no-such-option >/dev/null 2>"$scratch/unknown.err"; then
    fail "sorvat accepted an unknown option"
fi
grep -q "no-such-option" "$scratch/unknown.err" || fail "sorvat does not name the unknown option"

# The man pages format without warnings.
for page in sorvat sorvat-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1" 2>&1 >/dev/null) ||
        fail "man cannot format $page.1"
    [ -z "$warnings" ] || fail "$page.1: $warnings"
done

# A user's start: a home of its own; the program directory may not be written
# (root never writes into it; for another user it is made read-only).
home="$scratch/home"
work="$scratch/work"
mkdir -p "$home" "$work"
# The program stores the physical path of the puzzle.
work=$(cd "$work" && pwd -P)
cp "$source_dir/samples/queue/01-simple.md2" "$work/puzzle.md2"
chmod a-w "$private"
restore() { chmod u+w "$private"; rm -rf "$scratch"; }
trap restore EXIT

# Starts the launcher in $work with a puzzle, waits until the program catches
# SIGTERM (its start-up is then complete), ends it with SIGTERM and returns
# its exit status.
start_and_terminate() {
    (cd "${from:-$work}" && exec env HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
        XDG_STATE_HOME="$home/state" \
        XDG_RUNTIME_DIR="$scratch" QT_QPA_PLATFORM=offscreen "$launcher" "$@") &
    local pid=$!
    local caught=0
    for _ in $(seq 1 600); do
        local mask
        mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2>/dev/null) || break
        # SIGTERM is signal 15: bit 14 of the caught-signals mask.
        if [ -n "$mask" ] && (( (16#$mask >> 14) & 1 )); then
            caught=1
            break
        fi
        sleep 0.1
    done
    if [ "$caught" -ne 1 ]; then
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        return 99
    fi
    kill -TERM "$pid"
    local status=0
    wait "$pid" || status=$?
    return "$status"
}

status=0
start_and_terminate puzzle.md2 || status=$?
if [ "$status" -eq 99 ]; then
    fail "the program did not finish starting within 60 seconds"
elif [ "$status" -ne 0 ]; then
    fail "the program ended with status $status after SIGTERM"
fi

configdir="$home/config/sorvat"
[ ! -e "$home/data/sorvat/sorvat" ] || fail "the program was copied into the home directory"
[ ! -e "$private/Sorvat.ini" ] || fail "the settings were written into the program directory"
stored_path() {
    # The current puzzle path is the NUL-terminated text at offset 90.
    dd if="$configdir/Sorvat.ini" bs=1 skip=90 count=4010 2>/dev/null | tr -d '\0'
}
if [ "$(stat -c %s "$configdir/Sorvat.ini" 2>/dev/null)" != 4100 ]; then
    fail "no settings record of 4100 bytes in $configdir"
else
    [ "$(stored_path)" = "$work/puzzle.md2" ] || fail "the settings name '$(stored_path)' as the current puzzle"
fi
"$cli" convert "$work/puzzle.md2" "$scratch/expected.md1" || fail "sorvat-cli convert failed"
if [ ! -s "$work/_Sorvat.Continue.md1" ]; then
    fail "no continue file in the working directory"
else
    cmp -s "$scratch/expected.md1" "$work/_Sorvat.Continue.md1" ||
        fail "the continue file does not hold the loaded puzzle"
fi

# The next start without a file resumes the continue file, with the settings
# an earlier version kept beside its copy of the program.
mkdir -p "$home/data/sorvat"
mv "$configdir/Sorvat.ini" "$home/data/sorvat/Sorvat.ini"
start_and_terminate || fail "the second start failed"
cmp -s "$scratch/expected.md1" "$work/_Sorvat.Continue.md1" ||
    fail "the second start did not resume the puzzle"
[ "$(stored_path)" = "$work/puzzle.md2" ] || fail "the earlier settings did not move over: '$(stored_path)'"

# A start from the desktop menu (its entry gives --desktop) keeps the game in
# the state folder, not in the working directory it happens to get.
mkdir -p "$scratch/desktop"
from="$scratch/desktop" start_and_terminate --desktop || fail "the start with --desktop failed"
[ -s "$home/state/sorvat/_Sorvat.Continue.md1" ] || fail "no continue file in the state folder"
[ -z "$(ls -A "$scratch/desktop")" ] || fail "the desktop start wrote into its working directory"
finish

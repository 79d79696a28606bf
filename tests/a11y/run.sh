#!/usr/bin/env bash
# Runs read_board.py (or, with --orca, orca_speech.py: the Orca screen reader)
# in a private session bus, where the accessibility bus starts on demand.
# Fails when the packages the setup installs are missing:
#   apt-get install at-spi2-core python3-pyatspi gir1.2-atspi-2.0 xvfb dbus-x11 xdotool
#   apt-get install orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng x11-utils   (--orca)
#   tests/a11y/run.sh [--orca] SORVAT_PROGRAM PUZZLE_FILE
set -u
here="$(dirname "$0")"
script=read_board.py
if [ "${1:-}" = "--orca" ]; then
  script=orca_speech.py
  shift
fi
# The AT-SPI bindings are Debian's, for the system's Python.
python=/usr/bin/python3
for need in dbus-run-session "$python"; do
  if ! command -v "$need" >/dev/null; then
    echo "FAILED: $need is missing (apt-get install dbus-x11 at-spi2-core python3-pyatspi)"
    exit 1
  fi
done
# The accessibility bus's socket is $XDG_RUNTIME_DIR/at-spi/bus (~/.cache when
# unset): a runtime directory of its own, or two tests running at once would
# take each other's bus.
runtime=$(mktemp -d "${TMPDIR:-/tmp}/sorvat-a11y-run-XXXXXX")
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
dbus-run-session -- "$python" "$here/$script" "$@"

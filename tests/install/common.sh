# shellcheck shell=bash disable=SC2034
# Shared by the installation checks: arguments, failure reporting and the
# places of an installation.
#   <script> BUILD_DIR PREFIX SOURCE_DIR
set -euo pipefail
build_dir=$1
prefix=$2
source_dir=$3
app_id=org.sorvat.Sorvat
failures=0

fail() {
    printf 'FAIL: %s\n' "$*" >&2
    failures=$((failures + 1))
}

# Ends the check: non-zero status when anything failed.
finish() {
    if [ "$failures" -ne 0 ]; then
        printf '%d check(s) failed\n' "$failures" >&2
        exit 1
    fi
    echo "all checks passed"
}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/sorvat-install-check.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

#!/usr/bin/env bash
# Installs the build into a fresh scratch prefix, as `cmake --install` does
# for a user.
set -euo pipefail
build_dir=$1
prefix=$2
if [ -d "$prefix" ]; then
    chmod -R u+w "$prefix"
    rm -rf "$prefix"
fi
cmake --install "$build_dir" --prefix "$prefix"

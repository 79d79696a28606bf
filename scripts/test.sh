#!/usr/bin/env bash
# Sets up, builds (warnings as errors) and runs every test, then runs the
# whole suite again under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

scripts/setup.sh build-ci -DSORVAT_WERROR=ON
ctest --test-dir build-ci --output-on-failure -j"$(nproc)"

scripts/setup.sh build-asan -DSORVAT_WERROR=ON -DSORVAT_SANITIZE=ON -DSORVAT_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)"

scripts/fuzz.sh 60

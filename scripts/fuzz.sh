#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and fuzzes each for a bounded time.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [BUILD_DIR]
# Defaults: 60 seconds, build-fuzz. The seed corpus (tests/fuzz/corpus) and
# the inputs of faults found earlier (tests/fuzz/regressions) are run first;
# new interesting inputs go to BUILD_DIR/corpus, failing inputs to
# BUILD_DIR/artifacts. Exits non-zero when any target finds a crash, a leak,
# a sanitizer report or an input slower than 10 seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build="${2:-build-fuzz}"
targets=(fuzz_puzzle_file fuzz_settings fuzz_puzzle_lines fuzz_puzzle_text)

for tool in clang clang++; do
  command -v "$tool" >/dev/null || { echo "fuzz.sh: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSORVAT_FUZZ=ON -DSORVAT_GUI=OFF -DSORVAT_TESTS=OFF -DSORVAT_BENCH=OFF -DSORVAT_EXPORT_LO=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

failed=0
summary=()
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  artifacts="$build/artifacts/$t/"
  mkdir -p "$corpus" "$artifacts"
  log="$build/$t.log"
  echo "== $t: ${seconds}s"
  if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
     "$build/tests/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$artifacts" \
       "$corpus" "tests/fuzz/corpus/$t" "tests/fuzz/regressions/$t" >"$log" 2>&1; then
    status=ok
  else
    status=FAILED
    failed=1
    tail -n 40 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  summary+=("$t: $status, ${runs:-?} executions in ${seconds}s, coverage ${cov:-?}, corpus $(ls "$corpus" | wc -l) inputs")
done
printf '%s\n' "${summary[@]}"
exit "$failed"

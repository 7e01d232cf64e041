#!/usr/bin/env bash
# A long fuzzing run of the whole check run, as CI's short one but at low priority (the
# machines are shared) and with a growing corpus kept in build-fuzz/corpus-long:
#   bash scripts/fuzz.sh [libFuzzer flags...]     e.g. -runs=10000000 or -max_total_time=3600
# Inputs grow up to 1 MiB and each has a time limit, so an input whose cost grows faster
# than its size is reported as a timeout, like a crash.
#
# KVF_FUZZ_SOAK=1 builds the target without comparison tracing (in build-fuzz-soak), for a
# soak run of many millions of executions from the corpus a guided run has grown: the
# sanitizers, the time limit and the coverage counters stay, but the fuzzer no longer learns
# the constants the code compares against, which took a third of each execution.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --fuzz
build=build-fuzz
extra_flags=
if [ "${KVF_FUZZ_SOAK:-0}" = 1 ]; then
  build=build-fuzz-soak
  extra_flags=-fno-sanitize-coverage=trace-cmp
fi
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$extra_flags" -DKVF_BUILD_TESTS=OFF -DKVF_BUILD_BENCH=OFF \
  -DKVF_BUILD_FUZZ=ON -DKVF_SANITIZE=OFF >/dev/null
nice -n 19 cmake --build "$build" -j "$(nproc)" --target kvf_fuzz_check

corpus=build-fuzz/corpus-long
mkdir -p "$corpus" build-fuzz/findings
n=0
while IFS= read -r -d '' f; do
  n=$((n + 1))
  cp "$f" "$corpus/seed-$n"
done < <(find tests/acceptance resources/samples -type f -iname '*.kv?' -print0)

# A small quarantine: one input frees far less than 32 MB, so a use after free within an
# input is still caught, and the run does not touch 256 MB of fresh memory (a third faster).
ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=32 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  nice -n 19 "./$build/fuzz/kvf_fuzz_check" -timeout=10 -max_len=1048576 \
  -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix=build-fuzz/findings/ "$@" "$corpus"

#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once in the normal
# build, once more under the address and undefined-behaviour sanitizers; the thread tests
# (check runs on several threads at once) also under the thread sanitizer. Every option is
# set here, so a cache left by another configuration cannot switch the tests off, and a
# build without tests fails instead of passing silently. KVF_WERROR=ON (as CI sets it)
# turns warnings into errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
werror="${KVF_WERROR:-OFF}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKVF_BUILD_TESTS=ON -DKVF_BUILD_BENCH=ON -DKVF_BUILD_FUZZ=OFF -DKVF_SANITIZE=OFF \
  -DKVF_TSAN=OFF -DKVF_WERROR="$werror"
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure --no-tests=error -j "$jobs"

# The thread tests under the thread sanitizer: the engine alone and the test programs whose
# checks run on threads (the check runs, the language server's per-document checks).
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKVF_BUILD_TESTS=ON -DKVF_BUILD_BENCH=OFF -DKVF_BUILD_FUZZ=OFF -DKVF_SANITIZE=OFF \
  -DKVF_TSAN=ON -DKVF_BUILD_EDITOR=OFF -DKVF_WERROR="$werror"
cmake --build build-tsan -j "$jobs" --target kvf_thread_tests kvf_lsp_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" build-tsan/tests/kvf_thread_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" build-tsan/tests/kvf_lsp_tests

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DKVF_BUILD_TESTS=ON -DKVF_BUILD_BENCH=OFF -DKVF_BUILD_FUZZ=OFF -DKVF_SANITIZE=ON \
  -DKVF_TSAN=OFF -DKVF_WERROR="$werror"
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure --no-tests=error -j "$jobs"

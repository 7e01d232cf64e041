#!/usr/bin/env bash
# Installs what is missing, builds kvfcheck and checks the sample KVF file. It has its own
# build directory, so it never shares a cache with the test build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-sample -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKVF_BUILD_TESTS=OFF -DKVF_BUILD_BENCH=OFF -DKVF_BUILD_FUZZ=OFF -DKVF_SANITIZE=OFF \
  -DKVF_WERROR="${KVF_WERROR:-OFF}"
cmake --build build-sample --target kvfcheck
# The sample checks clean; a finding would show in the rows and in the exit status.
exec ./build-sample/kvfcheck --settings /dev/null resources/samples/ACME1234.kvf

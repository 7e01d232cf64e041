#!/usr/bin/env bash
# Builds the engine for WebAssembly with Debian's emscripten into build-web/: kvfcheck.js,
# which node runs as kvfcheck (`node build-web/kvfcheck.js FILE...`: the same arguments,
# output and exit status). Then, unless --no-compare is given, runs it over every acceptance
# case, the tree of cases as one directory and a large file, and compares what it prints
# with the Linux build's, byte for byte. Installs what is missing with apt-get.
set -euo pipefail
cd "$(dirname "$0")/.."
compare=1
[ "${1:-}" = "--no-compare" ] && compare=0
bash scripts/install-deps.sh --web
jobs=$(nproc)
# emscripten's JavaScript tools find Debian's node modules (acorn) there, whichever node runs.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

# The header-only libraries and Threads are the build machine's packages: find_package
# looks outside the toolchain's root for them (cmake/CrossHeaderOnly.cmake keeps their
# folders apart from the machine's C library).
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=BOTH \
  -DKVF_BUILD_EDITOR=OFF -DKVF_BUILD_TESTS=OFF -DKVF_BUILD_BENCH=OFF -DKVF_BUILD_FUZZ=OFF \
  -DKVF_SANITIZE=OFF -DKVF_WERROR="${KVF_WERROR:-OFF}"
cmake --build build-web -j "$jobs" --target kvfcheck
echo "build-web/kvfcheck.js: $(stat -c %s build-web/kvfcheck.js) bytes," \
  "$(gzip -9 -c build-web/kvfcheck.js | wc -c) gzipped"
[ "$compare" -eq 1 ] || exit 0

# The Linux build to compare with: the tests' build folder, configured if it is not there.
[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs" --target kvfcheck
large=build-web/LARGE001.kvf
python3 - "$large" <<'PY'
import sys
sample = open("resources/samples/ACME1234.kvf", "rb").read().split(b"\n", 1)
with open(sys.argv[1], "wb") as f:
    f.write(sample[0] + b"\n" + sample[1] * 8000)
PY
python3 tests/acceptance/compare_builds.py --large "$large" build/kvfcheck build-web/kvfcheck.js node

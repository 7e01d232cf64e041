#!/usr/bin/env bash
# The editor's threads under the thread sanitizer: the check as you type (a worker thread
# per document window, results handed back to the window) in its Qt Test program. Longer
# than the rest of the tests (the editor's libraries are built once more), so it runs on
# demand rather than in scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-tsan-editor -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKVF_BUILD_TESTS=ON -DKVF_BUILD_BENCH=OFF -DKVF_BUILD_FUZZ=OFF -DKVF_SANITIZE=OFF \
  -DKVF_TSAN=ON -DKVF_BUILD_EDITOR=ON -DKVF_WERROR="${KVF_WERROR:-OFF}"
cmake --build build-tsan-editor -j "$(nproc)" --target gui_LiveCheckTest kvfcheck
# die_after_fork=0: the test runs kvfcheck as a process to compare its rows with the marks.
QT_QPA_PLATFORM=offscreen \
  TSAN_OPTIONS="halt_on_error=1 die_after_fork=0 suppressions=$PWD/tests/threads/qt-libraries.supp" \
  build-tsan-editor/tests/gui/gui_LiveCheckTest

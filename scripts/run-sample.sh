#!/usr/bin/env bash
# Installs what is missing, builds kvfcheck and checks the sample KVF file. With a display
# (DISPLAY or WAYLAND_DISPLAY set) it builds the editor too and, after kvfcheck's rows, opens
# the sample in it; the script returns at once and the editor goes on by itself.
# --no-editor skips the editor. It has its own build directory, so it never shares a cache
# with the test build. KVF_SAMPLE_BINARIES=DIR takes kvfcheck and kvf-editor from DIR
# instead of building them (the script's own test).
set -euo pipefail
cd "$(dirname "$0")/.."
editor=1
for argument in "$@"; do
  case "$argument" in
    --no-editor) editor=0 ;;
    *) echo "usage: bash scripts/run-sample.sh [--no-editor]" >&2; exit 2 ;;
  esac
done
[ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || editor=0

sample=resources/samples/ACME1234.kvf
binaries="${KVF_SAMPLE_BINARIES:-}"
if [ -z "$binaries" ]; then
  bash scripts/install-deps.sh
  binaries=build-sample
  cmake -S . -B "$binaries" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKVF_BUILD_TESTS=OFF -DKVF_BUILD_BENCH=OFF -DKVF_BUILD_FUZZ=OFF -DKVF_SANITIZE=OFF \
    -DKVF_WERROR="${KVF_WERROR:-OFF}"
  targets=(kvfcheck)
  [ "$editor" -eq 1 ] && targets+=(kvf-editor)
  cmake --build "$binaries" --target "${targets[@]}"
fi

case "$binaries" in /*) ;; *) binaries="./$binaries" ;; esac

# The sample checks clean; a finding would show in the rows and in the exit status.
status=0
"$binaries/kvfcheck" --settings /dev/null "$sample" || status=$?
if [ "$editor" -eq 1 ]; then
  echo "Opening $sample in the editor ($binaries/kvf-editor)."
  # Detached from this shell: the script returns, the editor stays until it is closed.
  nohup setsid "$binaries/kvf-editor" "$sample" >/dev/null 2>&1 </dev/null &
fi
exit "$status"

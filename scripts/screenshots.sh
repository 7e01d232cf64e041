#!/usr/bin/env bash
# Draws the editor's windows under a virtual X server with the sample file, presses F7,
# and writes the screenshots the README shows into docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target kvf_screenshots
mkdir -p docs/screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x900x24" \
  ./build/kvf_screenshots resources/samples/ACME1234.kvf docs/screenshots

#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with, where they are missing.
# With --fuzz also clang and its runtime libraries, for the libFuzzer targets of CI.
set -euo pipefail

# qt6-qpa-plugins runs the editor's tests offscreen; xvfb, xauth and the fonts draw the
# screenshots of scripts/screenshots.sh; dpkg-dev builds the Debian package, which lintian
# and appstream (its appstreamcli) judge.
packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgtest-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev python3 xvfb xauth fonts-dejavu-core dpkg-dev lintian
  appstream)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-dev)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install as root: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with, where they are missing.
set -euo pipefail

# qt6-qpa-plugins runs the editor's tests offscreen; xvfb, xauth and the fonts draw the
# screenshots of scripts/screenshots.sh; dpkg-dev builds the Debian package, which lintian
# and appstream (its appstreamcli) judge; neovim is the real client of the language
# server's end-to-end test, and libkf5syntaxhighlighting-tools validates the syntax
# definition for Kate.
packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgtest-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev python3 xvfb xauth fonts-dejavu-core dpkg-dev lintian
  appstream neovim libkf5syntaxhighlighting-tools)
# --fuzz also clang and its runtimes (CI's fuzzing); --windows also the MinGW-w64 cross
# toolchain and Wine (scripts/build-windows.sh); --web also emscripten and node
# (scripts/build-web.sh).
case "${1:-}" in
  --fuzz) packages+=(clang libclang-rt-dev) ;;
  --windows) packages+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64) ;;
  --web) packages+=(emscripten nodejs) ;;
esac
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

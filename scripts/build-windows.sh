#!/usr/bin/env bash
# Builds kvfcheck.exe for 64-bit Windows: one static file, cross-compiled with Debian's
# MinGW-w64 toolchain (build-windows/kvfcheck.exe), and compiles the editor's sources for
# Windows to show they build there as they are. Then, unless --no-compare is given,
# runs it under Wine over every acceptance case, the tree of cases as one directory and a
# large file, and compares what it prints with the Linux build's, byte for byte; and
# checks that it reads the user's settings from %APPDATA%\DORRIM\KVF_Ed.ini. Installs
# what is missing (the toolchain, Wine) with apt-get.
set -euo pipefail
cd "$(dirname "$0")/.."
compare=1
[ "${1:-}" = "--no-compare" ] && compare=0
bash scripts/install-deps.sh --windows
jobs=$(nproc)

cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
  -DKVF_BUILD_EDITOR=OFF -DKVF_BUILD_TESTS=OFF -DKVF_BUILD_BENCH=OFF -DKVF_BUILD_FUZZ=OFF \
  -DKVF_SANITIZE=OFF -DKVF_STATIC_KVFCHECK=ON -DKVF_WERROR="${KVF_WERROR:-OFF}"
cmake --build build-windows -j "$jobs" --target kvfcheck
exe=build-windows/kvfcheck.exe
# One file: nothing but Windows' own libraries may be imported.
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
for dll in $imports; do
  case "$dll" in
    kernel32.dll | msvcrt.dll | advapi32.dll | user32.dll | api-ms-win-*) ;;
    *) echo "$exe imports $dll: it is not one static file" >&2; exit 1 ;;
  esac
done
echo "$exe: $(stat -c %s "$exe") bytes, imports: $(echo $imports)"

# The editor's sources compile for Windows as they are: each file of src/app and src/views
# through the cross compiler (syntax only), against the build machine's Qt 6 headers, which
# are the same on every platform. A POSIX call there fails here.
qt=/usr/include/$(gcc -dumpmachine)/qt6
find src/app src/views -name '*.cpp' -print0 | sort -z |
  xargs -0 -P "$jobs" -n 4 x86_64-w64-mingw32-g++-posix -fsyntax-only -std=c++20 -Wall \
    -Wextra -Wpedantic -Werror -Isrc -isystem "$qt" -isystem "$qt/QtCore" -isystem "$qt/QtGui" \
    -isystem "$qt/QtWidgets" -isystem "$qt/QtPrintSupport"
echo "src/app and src/views compile for Windows"
[ "$compare" -eq 1 ] || exit 0

# The Linux build to compare with: the tests' build folder, configured if it is not there.
[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs" --target kvfcheck

export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# One Wine server for all the runs below: started for each run, it costs seconds a run.
mkdir -p "$WINEPREFIX"
wineserver -p 60 || true # already running
trap 'wineserver -k 2>/dev/null || true' EXIT
wine "$exe" --version # the first run makes the Wine prefix

# A large file: the sample's entries many times over, large enough for the large blocks.
large=build-windows/LARGE001.kvf
python3 - "$large" <<'PY'
import sys
sample = open("resources/samples/ACME1234.kvf", "rb").read().split(b"\n", 1)
with open(sys.argv[1], "wb") as f:
    f.write(sample[0] + b"\n" + sample[1] * 8000)
PY
python3 tests/acceptance/compare_builds.py --large "$large" build/kvfcheck "$exe" wine

# The user's settings: %APPDATA%\DORRIM\KVF_Ed.ini, read without --settings.
appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")
mkdir -p "$appdata/DORRIM"
printf '[Settings]\r\nWarnings=1\r\n[FailSafe]\r\nNoSemanticCheck=1\r\n' > "$appdata/DORRIM/KVF_Ed.ini"
sample=resources/samples/ACME1234.kvf
if ! cmp <(build/kvfcheck --settings "$appdata/DORRIM/KVF_Ed.ini" "$sample") \
    <(wine "$exe" "$sample") ||
  cmp -s <(build/kvfcheck --settings /dev/null "$sample") <(wine "$exe" "$sample"); then
  echo "kvfcheck.exe does not read %APPDATA%\\DORRIM\\KVF_Ed.ini" >&2
  exit 1
fi
rm "$appdata/DORRIM/KVF_Ed.ini"
echo "kvfcheck.exe reads %APPDATA%\\DORRIM\\KVF_Ed.ini"

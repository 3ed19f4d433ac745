#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds skorlin-cli.exe and FLEKS.DLL for 64-bit Windows with MinGW-w64 into
# build-windows/, and runs the core, command-line and declension-library tests under Wine.
# The window needs Qt for Windows and is not built here. Running it again rebuilds only
# what changed.
#   scripts/build-windows.sh [--no-tests]
# Environment: JOBS (parallel jobs, default 2), WINEPREFIX (default build-windows/wine).
set -euo pipefail
cd "$(dirname "$0")/.."

run_tests=true
case "${1:-}" in
  "") ;;
  --no-tests) run_tests=false ;;
  *) echo "usage: scripts/build-windows.sh [--no-tests]" >&2; exit 2 ;;
esac

build=build-windows
jobs=${JOBS:-2}
triple=x86_64-w64-mingw32

# The cross compilers, Wine to run what they build, and GoogleTest's sources.
scripts/setup-deps.sh g++-mingw-w64-x86-64-posix wine wine64 googletest

# GoogleTest for Windows, built once from the sources Debian ships.
gtest_prefix=$PWD/$build/googletest
if [ ! -f "$gtest_prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "== GoogleTest for Windows"
  cmake -S /usr/src/googletest -B "$build/googletest-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX="$gtest_prefix" \
    -Dgtest_disable_pthreads=OFF >/dev/null
  cmake --build "$build/googletest-build" -j "$jobs"
  cmake --install "$build/googletest-build" >/dev/null
fi

echo "== Windows build (MinGW-w64)"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" -DCMAKE_FIND_ROOT_PATH="$gtest_prefix" \
  -DGTest_DIR="$gtest_prefix/lib/cmake/GTest" \
  -DSKORLIN_BUILD_GUI=OFF -DSKORLIN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs"

# Only the C and C++ runtimes of Windows itself may be left to find at run time.
for file in "$build/skorlin-cli.exe" "$build/FLEKS.DLL"; do
  foreign=$("$triple-objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p' |
    grep -viE '^(kernel32|user32|advapi32|msvcrt|ucrtbase|api-ms-win-.*|shell32|ws2_32|bcrypt)\.dll$' || true)
  if [ -n "$foreign" ]; then
    echo "build-windows: $file needs DLLs that a bare Windows lacks: $foreign" >&2
    exit 1
  fi
done

$run_tests || exit 0

echo "== tests under Wine"
export WINEDEBUG=-all
export WINEPREFIX=${WINEPREFIX:-$PWD/$build/wine}
# The prefix is made once (the slow part of Wine's first start); the tests then run in it.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot --init >/dev/null 2>&1 || true
fi
wineserver --persistent=60 >/dev/null 2>&1 &
ctest --test-dir "$build" --output-on-failure -j "$jobs"
wineserver --kill >/dev/null 2>&1 || true

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Skorlin and runs every test: the normal build, clang-tidy, then the sanitizer build.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup-deps.sh
jobs=$(nproc)

echo "== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== clang-tidy (bugprone, performance)"
scripts/tidy.sh build

echo "== sanitizer build (ASan + UBSan)"
# The benchmarks are left out here: no test runs them, and the normal build compiles them.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSKORLIN_SANITIZE=ON -DSKORLIN_BUILD_BENCH=OFF >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

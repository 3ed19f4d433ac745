#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy with the checks of .clang-tidy (bugprone-*, performance-*) over the
# program's sources and the declension library, with the compile commands of a build
# folder; any finding fails. Skipped with a note when clang-tidy is not installed.
#   scripts/tidy.sh [BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
tidy=$(command -v clang-tidy || command -v clang-tidy-14 || true)
if [ -z "$tidy" ]; then
  echo "tidy.sh: clang-tidy is not installed; the checks were skipped" >&2
  exit 0
fi
if [ ! -f "$build/compile_commands.json" ]; then
  echo "tidy.sh: $build/compile_commands.json is missing: configure the build first" >&2
  exit 1
fi
# The build may pass GCC-only warning options that clang does not know.
find src fleks -name '*.cpp' -print0 | sort -z |
  xargs -0 -P "$(nproc)" -n 4 "$tidy" -p "$build" --quiet --extra-arg=-Wno-unknown-warning-option 2>/dev/null
echo "tidy.sh: no findings"

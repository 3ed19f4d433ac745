#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer programs with clang (in build-fuzz/) and runs each for SECONDS
# (default 60) on a copy of its seed corpus, with AddressSanitizer and
# UndefinedBehaviorSanitizer. Inputs that crash are kept in build-fuzz/findings/<target>/;
# new inputs that reach new code stay in build-fuzz/corpus/<target>/ (copy the useful ones
# into fuzz/corpus/<target>/ by hand, keeping the seed corpus small).
#   scripts/fuzz.sh [SECONDS] [TARGET...]      e.g. scripts/fuzz.sh 600 lines_fuzz
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
if ! [[ $seconds =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/fuzz.sh [SECONDS] [TARGET...]" >&2
  exit 2
fi
if ! command -v clang++ >/dev/null; then
  echo "scripts/fuzz.sh: clang++ is needed for libFuzzer (apt-get install clang libclang-rt-dev)" >&2
  exit 1
fi

build=build-fuzz
# No hardening flags: AddressSanitizer checks more than the fortified functions would.
CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKORLIN_HARDEN=OFF \
  -DSKORLIN_BUILD_GUI=OFF -DSKORLIN_BUILD_BENCH=OFF >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*_fuzz.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("$name")
  done
fi
# The declension library is loaded by names_fuzz at run time.
cmake --build "$build" -j "$(nproc)" --target fleks "${targets[@]}"

export SKORLIN_FLEKS_LIBRARY="$PWD/$build/libfleks.so"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for name in "${targets[@]}"; do
  corpus="$build/corpus/$name"
  findings="$build/findings/$name"
  mkdir -p "$corpus" "$findings"
  # The seed corpus is only read: new inputs go to the work copy.
  [ -d "fuzz/corpus/$name" ] && cp -n "fuzz/corpus/$name"/* "$corpus"/ 2>/dev/null || true
  echo "== $name: ${seconds}s"
  if ! "$build/$name" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" fuzz/corpus/common >"$build/$name.log" 2>&1; then
    failed+=("$name")
    echo "   FOUND a failure: see $build/$name.log and $findings/"
  fi
  grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb)" "$build/$name.log" | sed 's/^/   /' || true
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "failures in: ${failed[*]}"
  exit 1
fi
echo "no findings"

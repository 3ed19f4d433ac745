#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Counting a text file: skorlin's statistics beside wc -l -w -m, on the same file.
# Usage: bench/stats_vs_wc.sh FILE [BUILD_DIR]   (BUILD_DIR: an optimised build, default build)
set -eu
file=${1:?usage: $0 FILE [BUILD_DIR]}
build=${2:-build}
export LC_ALL=C.UTF-8  # wc -m counts characters, not bytes

echo "== wc -l -w -m $file"
for run in 1 2 3; do
  /usr/bin/time -f "wc: %e s elapsed, %U s user" wc -l -w -m "$file" >/dev/null
done
echo "== skorlin-cli stats $file (read, decode, count, print)"
for run in 1 2 3; do
  /usr/bin/time -f "skorlin-cli stats: %e s elapsed, %U s user" "$build/skorlin-cli" stats "$file" >/dev/null
done
echo "== CountTextStats alone, and decode + count (Google Benchmark)"
SKORLIN_BENCH_TEXT=$file "$build/stats_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Side by side on one generated keyword list: skorlin-cli dedupe, sort, shuffle and invert
# against awk '!seen[$0]++', sort -f, shuf and tac. Prints the best of RUNS wall-clock
# times of each and the ratio skorlin-cli / tool (below 1: skorlin-cli is faster).
#
#   bench/compare_lines.sh [path/to/skorlin-cli] [LINES] [RUNS]
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
cli="${1:-$here/../build/skorlin-cli}"
lines="${2:-1000000}"
runs="${3:-3}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

list="$work/keywords.txt"
python3 "$here/generate_keywords.py" "$lines" "$list"
echo "list: $lines lines, $(($(stat -c %s "$list") / 1000000)) MB"

# A Russian UTF-8 locale for sort -f when the machine has one, else C.UTF-8.
sort_locale="C.UTF-8"
for candidate in ru_RU.UTF-8 ru_RU.utf8; do
  if locale -a 2>/dev/null | grep -qix "${candidate}"; then sort_locale="$candidate"; break; fi
done

# best_time COMMAND...: the shortest wall-clock time of RUNS runs, output discarded.
best_time() {
  local best=""
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    best=$(echo "$start $end ${best:-999999}" | awk '{t = $2 - $1; print (t < $3 ? t : $3)}')
  done
  echo "$best"
}

compare() {
  local name="$1" ours="$2" theirs="$3" label="$4"
  awk -v n="$name" -v a="$ours" -v b="$theirs" -v l="$label" \
    'BEGIN { printf "%-8s skorlin-cli %6.2f s   %-18s %6.2f s   ratio %.2f\n", n, a, l, b, a / b }'
}

convert=$(best_time "$cli" convert "$list")
echo "(skorlin-cli convert, reading and writing only: $(printf '%.2f' "$convert") s)"

compare dedupe "$(best_time "$cli" dedupe -q "$list")" "$(best_time awk '!seen[$0]++' "$list")" "awk !seen[\$0]++"
compare sort "$(best_time "$cli" sort -q --locale ru_RU "$list")" \
  "$(best_time env LC_ALL="$sort_locale" sort -f "$list")" "sort -f ($sort_locale)"
compare shuffle "$(best_time "$cli" shuffle -q "$list")" "$(best_time shuf "$list")" "shuf"
compare invert "$(best_time "$cli" invert -q "$list")" "$(best_time tac "$list")" "tac"

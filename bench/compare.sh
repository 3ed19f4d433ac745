#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The benchmark report: skorlin-cli and the window beside the tools a user would otherwise
# pick, on the same generated files, written to docs/benchmarks.md.
#
#   bench/compare.sh [--build DIR] [--before DIR] [--before-label NAME] [--runs N] [--lines N]
#                    [--prose-mb N] [--big-mb N] [--window-runs N] [--no-window] [--out FILE]
#
#   --build DIR        an optimised build folder (default: build-compare in the source
#                      tree, configured as Release and built here when needed)
#   --before DIR       an optimised build folder of earlier code (for example of a
#                      commit checked out with git worktree): its skorlin-cli runs beside,
#                      so the report shows every row before and after
#   --before-label NAME  what the report calls the earlier build (default: the commit its
#                      source tree is at, which is wrong for a build of this tree made
#                      before its latest commits)
#   --runs N           runs of every side of every comparison (default 5; medians reported)
#   --lines N          lines of the keyword list (default 1000000)
#   --prose-mb N       megabytes of the prose text (default 10)
#   --big-mb N         megabytes of the large text stats counts in its own memory (default 400)
#   --window-runs N    runs of every window measurement (default 1: on the large list each
#                      run reloads 1,000,000 lines into the view, seconds of its own)
#   --no-window        leave the window out (a build without Qt)
#   --out FILE         the report (default docs/benchmarks.md)
#
# What it needs beyond the build dependencies of scripts/setup-deps.sh, installed here when
# missing (as root, or through sudo): GNU time (/usr/bin/time, Debian package "time") for
# the peak memory, Node.js and npm for the typograf package (bench/package.json, installed
# into bench/node_modules with npm ci), and the ru_RU.UTF-8 locale for sort -f (made with
# localedef from the "locales" package).
#
# Each comparison runs the sides in turn (A B, then B A, ...) after one untimed warm-up
# run of each, so both see the same page cache and the same background load; the report
# gives the median wall-clock time, the median CPU time (user + system) and the median
# peak resident memory of each side. The line and URL jobs run both ways: with the output
# written to a file and thrown away (/dev/null). Every line, URL and name command also runs
# once on the list alone, for its peak memory against the size of its input.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
build="$root/build-compare"
before=""
before_label=""
runs=5
big_mb=400
lines=1000000
prose_mb=10
window_runs=1
window=1
out="$root/docs/benchmarks.md"

while [ $# -gt 0 ]; do
  case "$1" in
    --build) build="$(cd "$2" 2>/dev/null && pwd || echo "$2")"; shift 2 ;;
    --before) before="$(cd "$2" 2>/dev/null && pwd || echo "$2")"; shift 2 ;;
    --before-label) before_label="$2"; shift 2 ;;
    --big-mb) big_mb="$2"; shift 2 ;;
    --runs) runs="$2"; shift 2 ;;
    --lines) lines="$2"; shift 2 ;;
    --prose-mb) prose_mb="$2"; shift 2 ;;
    --window-runs) window_runs="$2"; shift 2 ;;
    --no-window) window=0; shift ;;
    --out) out="$2"; shift 2 ;;
    -h | --help) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    *) echo "compare.sh: unknown argument $1 (see --help)" >&2; exit 2 ;;
  esac
done
[ "$runs" -ge 1 ] 2>/dev/null || { echo "compare.sh: --runs wants a whole number" >&2; exit 2; }

# Tools and locales run as a user's would: UTF-8, and "." in the clock's readings.
export LC_ALL=C.UTF-8

# --- What the comparison needs --------------------------------------------------------

apt_updated=0
install_packages() {
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then sudo="sudo"; else
      echo "compare.sh: please install the Debian packages: $*" >&2; exit 1
    fi
  fi
  if [ "$apt_updated" -eq 0 ]; then $sudo apt-get update -qq; apt_updated=1; fi
  echo "compare.sh: installing $*" >&2
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$@" >/dev/null
}

for tool in cmake ninja; do
  command -v "$tool" >/dev/null || { echo "compare.sh: $tool is missing: run scripts/setup-deps.sh first" >&2; exit 1; }
done
[ -x /usr/bin/time ] || install_packages time
command -v node >/dev/null && command -v npm >/dev/null || install_packages nodejs npm
command -v python3 >/dev/null || install_packages python3
if [ ! -f "$here/node_modules/typograf/package.json" ]; then
  (cd "$here" && npm ci --no-audit --no-fund --loglevel=error)
fi

# A Russian UTF-8 locale for sort -f, as a Russian user's sort would collate.
sort_locale=""
find_ru_locale() {
  sort_locale=""
  local name
  for name in $(locale -a 2>/dev/null); do
    case "$name" in ru_RU.utf8 | ru_RU.UTF-8) sort_locale="$name"; return ;; esac
  done
}
find_ru_locale
if [ -z "$sort_locale" ]; then
  if [ ! -f /usr/share/i18n/locales/ru_RU ]; then install_packages locales; fi
  if [ "$(id -u)" -eq 0 ]; then localedef -i ru_RU -f UTF-8 ru_RU.UTF-8 || true
  elif command -v sudo >/dev/null; then sudo localedef -i ru_RU -f UTF-8 ru_RU.UTF-8 || true; fi
  find_ru_locale
fi
if [ -z "$sort_locale" ]; then
  sort_locale="C.UTF-8"
  echo "compare.sh: no ru_RU.UTF-8 locale could be made; sort -f runs in C.UTF-8" >&2
fi

# An optimised build of skorlin-cli (and of the window's timing program).
if [ ! -f "$build/CMakeCache.txt" ]; then
  gui=ON
  [ "$window" -eq 1 ] || gui=OFF
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSKORLIN_BUILD_GUI=$gui \
    -DSKORLIN_BUILD_BENCH=ON >/dev/null
fi
targets=(skorlin-cli)
[ "$window" -eq 1 ] && targets+=(window_commands)
ninja -C "$build" "${targets[@]}" >/dev/null
cli="$build/skorlin-cli"
before_cli=""
if [ -n "$before" ]; then
  before_cli="$before/skorlin-cli"
  [ -x "$before_cli" ] || { echo "compare.sh: no skorlin-cli in $before" >&2; exit 1; }
fi

# --- The inputs -------------------------------------------------------------------------

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
list="$work/keywords.txt"
prose="$work/prose.txt"
python3 "$here/generate.py" keywords "$lines" "$list"
python3 "$here/generate.py" prose "$prose_mb" "$prose"
# The large text: the list again and again, up to the size asked for, ending with a whole
# line (so it is still UTF-8).
big="$work/large.txt"
: >"$big"
while [ "$(stat -c %s "$big")" -lt $((big_mb * 1000000)) ]; do cat "$list" >>"$big"; done
python3 - "$big" $((big_mb * 1000000)) <<'CUT'
import sys
path, size = sys.argv[1], int(sys.argv[2])
with open(path, "rb+") as f:
    f.seek(size - 65536)
    tail = f.read(65536)
    f.truncate(size - 65536 + tail.rfind(b"\n") + 1)
CUT
clipboard="$work/clipboard.txt"
printf 'http://example.com/a\nhttp://example.com/b\nhttp://example.com/c\n' >"$clipboard"
results="$work/results.tsv"
: >"$results"
memory_results="$work/memory.tsv"
: >"$memory_results"

load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
started=$(date +%s)

# --- Measuring --------------------------------------------------------------------------

# run_once TAG OUTPUT COMMAND...: runs the command once with its output in OUTPUT and
# appends "wall-seconds cpu-seconds peak-kB" to $work/TAG.times.
run_once() {
  local tag="$1" output="$2"
  shift 2
  local start end
  start=$EPOCHREALTIME
  if ! /usr/bin/time -f '%U %S %M' -o "$work/time.txt" "$@" >"$output" 2>"$work/stderr.txt"; then
    echo "compare.sh: failed: $*" >&2
    cat "$work/stderr.txt" >&2
    exit 1
  fi
  end=$EPOCHREALTIME
  tail -n 1 "$work/time.txt" |
    awk -v s="$start" -v e="$end" '{ printf "%.4f %.3f %d\n", e - s, $1 + $2, $3 }' >>"$work/$tag.times"
}

# median_of TAG COLUMN: the median of one column of $work/TAG.times.
median_of() {
  sort -g -k"$2","$2" "$work/$1.times" |
    awk -v c="$2" '{ v[NR] = $c } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

# rounds TAG_A TAG_B TAG_C OUT_A OUT_B OUT_C: $runs runs of ours, theirs and (with --before)
# the earlier build in turn, each writing its standard output to its OUT.
rounds() {
  local run
  for run in $(seq "$runs"); do
    if [ $((run % 2)) -eq 1 ]; then
      run_once "$1" "$4" "${ours[@]}"
      run_once "$2" "$5" "${theirs[@]}"
      if [ -n "$before_cli" ]; then run_once "$3" "$6" "${earlier[@]}"; fi
    else
      if [ -n "$before_cli" ]; then run_once "$3" "$6" "${earlier[@]}"; fi
      run_once "$2" "$5" "${theirs[@]}"
      run_once "$1" "$4" "${ours[@]}"
    fi
  done
}

# compare NAME INPUT CHECK OURS_LABEL THEIRS_LABEL [null]
#   with the arrays ours=(...) and theirs=(...) holding the two commands; with --before, the
#   same command of the earlier build (ours with its program replaced) runs as a third side.
# CHECK "same": the two outputs must be equal byte for byte (a difference is reported);
# anything else: the outputs differ by design and are not compared.
# With "null", every side runs again with its output thrown away (/dev/null), which shows
# each program's own cost with no file system in the way.
compare() {
  local name="$1" input="$2" check="$3" ours_label="$4" theirs_label="$5" null="${6:-}"
  local tag_a="a_${#name}_$RANDOM" tag_b="b_${#name}_$RANDOM" tag_c="c_${#name}_$RANDOM"
  local earlier=()  # seen by rounds
  if [ -n "$before_cli" ]; then earlier=("$before_cli" "${ours[@]:1}"); fi
  echo "  $name: $ours_label vs $theirs_label" >&2
  run_once warm "$work/ours.out" "${ours[@]}"
  run_once warm "$work/theirs.out" "${theirs[@]}"
  [ -n "$before_cli" ] && run_once warm "$work/before.out" "${earlier[@]}"
  rounds "$tag_a" "$tag_b" "$tag_c" "$work/ours.out" "$work/theirs.out" "$work/before.out"
  local same="by design not the same output"
  if [ "$check" = same ]; then
    if cmp -s "$work/ours.out" "$work/theirs.out"; then
      same="identical"
    else
      same="differs in $(diff "$work/ours.out" "$work/theirs.out" | grep -c '^[<>]' || true) lines"
    fi
  fi
  local earlier_cells="-\t-\t-"
  if [ -n "$before_cli" ]; then
    earlier_cells="$(median_of "$tag_c" 1)\t$(median_of "$tag_c" 2)\t$(median_of "$tag_c" 3)"
    # The earlier build must have given the same output.
    cmp -s "$work/ours.out" "$work/before.out" || earlier_cells="$earlier_cells (other output)"
  fi
  local null_cells="-\t-\t-\t-\t-\t-"
  if [ "$null" = null ]; then
    rounds "n$tag_a" "n$tag_b" "n$tag_c" /dev/null /dev/null /dev/null
    null_cells="$(median_of "n$tag_a" 1)\t$(median_of "n$tag_b" 1)\t$(median_of "n$tag_a" 2)\t$(median_of "n$tag_b" 2)"
    if [ -n "$before_cli" ]; then
      null_cells="$null_cells\t$(median_of "n$tag_c" 1)\t$(median_of "n$tag_c" 2)"
    else
      null_cells="$null_cells\t-\t-"
    fi
  fi
  printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%b\t%b\n' \
    "$name" "$(basename "$input")" "$(stat -c %s "$input")" "$ours_label" "$theirs_label" \
    "$(median_of "$tag_a" 1)" "$(median_of "$tag_b" 1)" \
    "$(median_of "$tag_a" 2)" "$(median_of "$tag_b" 2)" \
    "$(median_of "$tag_a" 3)" "$(median_of "$tag_b" 3)" "$same" "$earlier_cells" "$null_cells" >>"$results"
}

# remember NAME INPUT ARGS...: one run of skorlin-cli ARGS INPUT (and of the earlier build),
# for the memory table.
remember() {
  local name="$1" input="$2"
  shift 2
  local tag="m_$RANDOM" earlier="-\t-\t-"
  run_once "$tag" "$work/ours.out" "$cli" "$@" -q "$input"
  if [ -n "$before_cli" ]; then
    local tag_c="mc_$RANDOM"
    run_once "$tag_c" "$work/before.out" "$before_cli" "$@" -q "$input"
    earlier="$(cut -d' ' -f1 "$work/$tag_c.times")\t$(cut -d' ' -f2 "$work/$tag_c.times")\t$(cut -d' ' -f3 "$work/$tag_c.times")"
  fi
  printf '%s\t%s\t%s\t%s\t%s\t%b\n' "$name" "$(stat -c %s "$input")" \
    "$(cut -d' ' -f1 "$work/$tag.times")" "$(cut -d' ' -f2 "$work/$tag.times")" \
    "$(cut -d' ' -f3 "$work/$tag.times")" "$earlier" >>"$memory_results"
}

echo "compare.sh: $runs runs of each side; list $lines lines, prose $prose_mb MB; load $load_before" >&2

ours=("$cli" dedupe -q "$list"); theirs=(awk '!seen[$0]++' "$list")
compare dedupe "$list" same "skorlin-cli dedupe" "awk '!seen[\$0]++'" null

ours=("$cli" sort -q --locale ru_RU "$list"); theirs=(env LC_ALL="$sort_locale" sort -f "$list")
compare sort "$list" differ "skorlin-cli sort --locale ru_RU" "sort -f ($sort_locale)" null

ours=("$cli" shuffle -q --seed 1 "$list"); theirs=(shuf "$list")
compare shuffle "$list" differ "skorlin-cli shuffle" "shuf" null

ours=("$cli" invert -q "$list"); theirs=(tac "$list")
compare invert "$list" same "skorlin-cli invert" "tac" null

ours=("$cli" stats -q "$list"); theirs=(wc -l -w -m "$list")
compare stats "$list" differ "skorlin-cli stats" "wc -l -w -m"

ours=("$cli" stats -q "$big"); theirs=(wc -l -w -m "$big")
compare "stats ($big_mb MB)" "$big" differ "skorlin-cli stats" "wc -l -w -m"

# The domain of every address: the slash after "//" on lines with "http:", else the first
# slash, ends what is kept.
keep_domain_sed='/[Hh][Tt][Tt][Pp]:/{s#^([^/]*/[^/]*/[^/]*)/.*#\1#;b};s#/.*##'
ours=("$cli" keep-domain -q "$list"); theirs=(sed -E "$keep_domain_sed" "$list")
compare keep-domain "$list" same "skorlin-cli keep-domain" "sed -E '$keep_domain_sed'" null

ours=("$cli" collapse-spaces -q "$list"); theirs=(sh -c 'exec tr -s " " <"$1"' tr "$list")
compare collapse-spaces "$list" same "skorlin-cli collapse-spaces" "tr -s ' '" null

echo "  the memory of every line, URL and name command on the list" >&2
for command in trim delete-empty collapse-spaces dedupe delete-repeated delete-unique "sort --locale ru_RU" \
  "sort-mirror --locale ru_RU" sort-length invert "shuffle --seed 1" "split-paragraphs --seed 1" keep-urls \
  keep-domain keep-folder keep-filename add-http remove-http "insert-urls --clipboard $clipboard" \
  "insert-anchors --clipboard $clipboard" initials first-patronymic dative salutation "decline --case 2"; do
  # shellcheck disable=SC2086
  remember "$(echo "$command" | cut -d' ' -f1)" "$list" $command
done

typograf=(node "$here/typograf_run.js" "$prose")
ours=("$cli" format -q "$prose"); theirs=("${typograf[@]}")
compare format "$prose" differ "skorlin-cli format" "typograf (ru, default rules)"

ours=("$cli" html -q "$prose"); theirs=("${typograf[@]}")
compare html "$prose" differ "skorlin-cli html" "typograf (ru, default rules)"
# An earlier build may have no typeset command: it runs without the earlier side then.
ours=("$cli" typeset -q "$prose"); theirs=("${typograf[@]}")
if [ -n "$before_cli" ] && ! "$before_cli" typeset -q </dev/null >/dev/null 2>&1; then
  before_kept="$before_cli"; before_cli=""
  compare typeset "$prose" differ "skorlin-cli typeset" "typograf (ru, default rules)"
  before_cli="$before_kept"
else
  compare typeset "$prose" differ "skorlin-cli typeset" "typograf (ru, default rules)"
fi

window_results="$work/window.tsv"
: >"$window_results"
if [ "$window" -eq 1 ]; then
  echo "  the window: $window_runs runs of every command" >&2
  mkdir -m 700 "$work/runtime"
  # As a Russian user runs it: the sorts collate in the Russian locale.
  LC_ALL="$sort_locale" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" "$build/window_commands" --list "$list" --prose "$prose" \
    --runs "$window_runs" >"$window_results"
fi

load_after="$(cut -d' ' -f1-3 /proc/loadavg)"
elapsed=$(($(date +%s) - started))

# --- The report -------------------------------------------------------------------------

# The earlier build is named by the commit of the sources it was configured from, when
# those are still a checkout; else by its folder.
if [ -n "$before" ] && [ -z "$before_label" ]; then
  before_source="$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$before/CMakeCache.txt" 2>/dev/null || true)"
  before_label="$(git -C "${before_source:-$before/..}" rev-parse --short HEAD 2>/dev/null || echo "$before")"
fi
mkdir -p "$(dirname "$out")"
python3 "$here/write_report.py" \
  --results "$results" --memory "$memory_results" --window "$window_results" --notes "$here/benchmarks-notes.md" \
  --before "$before_label" \
  --runs "$runs" --window-runs "$window_runs" --lines "$lines" --prose-mb "$prose_mb" \
  --list-bytes "$(stat -c %s "$list")" --prose-bytes "$(stat -c %s "$prose")" \
  --load-before "$load_before" --load-after "$load_after" --elapsed "$elapsed" \
  --cpu "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')" \
  --cores "$(nproc)" \
  --commit "$(git -C "$root" rev-parse --short HEAD 2>/dev/null || echo unknown)" \
  --dirty "$(git -C "$root" status --porcelain --untracked-files=no 2>/dev/null | wc -l)" \
  --tool-versions "$(
    printf 'coreutils %s; ' "$(sort --version | head -1 | awk '{print $NF}')"
    printf 'awk: %s; ' "$(basename "$(readlink -f "$(command -v awk)")")"
    printf 'sed %s; ' "$(sed --version | head -1 | awk '{print $NF}')"
    printf 'node %s; ' "$(node --version)"
    printf 'typograf %s' "$(node -p "require('$here/node_modules/typograf/package.json').version")"
  )" \
  --compiler "$(grep -m1 '^CMAKE_CXX_COMPILER:' "$build/CMakeCache.txt" | cut -d= -f2) $(grep -m1 '^CMAKE_BUILD_TYPE:' "$build/CMakeCache.txt" | cut -d= -f2)" \
  --out "$out"
echo "compare.sh: wrote $out (${elapsed} s; load $load_before before, $load_after after)" >&2

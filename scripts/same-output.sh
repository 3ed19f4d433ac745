#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every skorlin-cli command, with its options and output settings, on a set of inputs
# through two builds and compares what they write: standard output, standard error and the
# exit status. For a redesign or a speed-up that must not change any result.
#
#   scripts/same-output.sh OLD_SKORLIN_CLI NEW_SKORLIN_CLI
#
# Inputs (made here, deterministic): the sample text, a list of full names and non-names,
# lines with every kind of break, a NUL, a four-byte character, UTF-8 cut short at the end,
# Windows-1251, UTF-16 with a byte order mark, an empty file, a 100,000-line keyword list
# and 2 MB of prose (bench/generate.py). Exit status 0 when every run agrees.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
old="$(realpath "$1")"
new="$(realpath "$2")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

python3 - <<'PY'
import codecs, random
r = random.Random(7)
names = ["Иванов Иван Иванович", "Петрова Анна Сергеевна", "Смирнов Олег", "ООО Ромашка",
         "В 1999 году компания открыла офис", "http://x.ru/a/b.html", "Кузнецова Мария Петровна ",
         "  Сидоров  Пётр Ильич", "Ли Мин", "Бойко Олеся Игоревна", ""]
open("names.txt", "w", encoding="utf-8").write("\n".join(r.choice(names) for _ in range(3000)) + "\n")
open("edges.bin", "wb").write("а\r\nб\rв\n\rг\n😀\nx é \n\n  дубль\nдубль\n".encode() + b"\x00after nul\n")
open("cut.bin", "wb").write("строка один\nстрока два\n".encode() + "ж".encode()[:1])
open("cp1251.txt", "wb").write(("Привет,  мир!\r\nЕщё \"кавычки\" - тире.\r\n" * 200).encode("cp1251"))
open("utf16.txt", "wb").write(codecs.BOM_UTF16_LE + ("Строка 1\r\nhttp://www.site.ru/dir/page.html\r\nСтрока 1\r\n" * 100).encode("utf-16-le"))
open("empty.txt", "wb").write(b"")
open("one4.txt", "wb").write("𝄞".encode())
open("clip.txt", "w").write("http://a.ru\nhttp://b.ru\n\nhttp://c.ru/x\n")
PY
python3 "$here/bench/generate.py" keywords 100000 keywords.txt
python3 "$here/bench/generate.py" prose 2 prose.txt
cp "$here/examples/sample.txt" .

commands=(
  "convert" "format" "format --diff" "typeset" "typeset --diff" "html" "html --no-p --no-skip-empty --no-tables" "stats" "stats --json"
  "trim" "delete-empty" "collapse-spaces" "dedupe" "delete-repeated" "delete-unique"
  "sort --locale ru_RU.UTF-8" "sort-mirror --locale ru_RU.UTF-8" "sort-length" "invert"
  "shuffle --seed 5" "shuffle --seed 5 --derived" "split-paragraphs --seed 3"
  "split-paragraphs --seed 3 --min 20 --max 60" "insert-urls --clipboard clip.txt"
  "insert-anchors --clipboard clip.txt" "keep-urls" "keep-domain" "keep-folder" "keep-filename"
  "add-http" "remove-http" "initials" "first-patronymic" "dative" "salutation"
  "decline --case 2" "decline --case 6"
)
settings=("" "--eol lf" "--output-encoding cp1251")
runs=0
differ=0
compare() {
  runs=$((runs + 1))
  local old_status=0 new_status=0
  "$old" "$@" >old.out 2>old.err <"${stdin:-/dev/null}" || old_status=$?
  "$new" "$@" >new.out 2>new.err <"${stdin:-/dev/null}" || new_status=$?
  if ! cmp -s old.out new.out || ! cmp -s old.err new.err || [ "$old_status" != "$new_status" ]; then
    differ=$((differ + 1))
    echo "differs: skorlin-cli $* (exit $old_status, $new_status)"
  fi
}
for input in sample.txt names.txt edges.bin cut.bin cp1251.txt utf16.txt empty.txt one4.txt keywords.txt prose.txt; do
  for command in "${commands[@]}"; do
    for setting in "${settings[@]}"; do
      # shellcheck disable=SC2086 # the words of a command line
      compare $command $setting "$input"
    done
  done
  stdin="$input" compare dedupe
done
echo "$runs runs, $differ differ"
[ "$differ" -eq 0 ]

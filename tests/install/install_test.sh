#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks the installed layout: the programs
# run from there with an empty environment and find the declension library and the help
# beside them; the manual page and the shell completion know every command of --help.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/usr
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Runs a program as a user would start it: another working folder, no inherited
# environment (no LD_LIBRARY_PATH, nothing pointing into the build).
run_clean() {
  (cd "$work" && env -i PATH=/usr/bin:/bin LANG=C.UTF-8 "$@")
}

env -u DESTDIR cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
  cat "$work/install.log" >&2
  echo "FAIL: cmake --install" >&2
  exit 1
}

window=false
[ -x "$build/skorlin" ] && window=true

# The layout.
private=libexec/skorlin
expected=(
  $private/skorlin-cli $private/libfleks.so $private/Read_me.txt
  share/skorlin/Read_me.txt share/man/man1/skorlin-cli.1.gz
  share/bash-completion/completions/skorlin-cli
  share/doc/skorlin/copyright share/doc/skorlin/changelog.gz
)
programs=(skorlin-cli)
if $window; then
  programs+=(skorlin)
  expected+=($private/skorlin share/man/man1/skorlin.1.gz share/applications/skorlin.desktop
    share/icons/hicolor/scalable/apps/skorlin.svg share/metainfo/org.example.skorlin.metainfo.xml)
  for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/skorlin.png")
  done
fi
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done

for program in "${programs[@]}"; do
  link=$prefix/bin/$program
  if [ ! -L "$link" ]; then
    fail "bin/$program is not a symlink"
    continue
  fi
  case $(readlink "$link") in
    /*) fail "bin/$program points at an absolute path: $(readlink "$link")" ;;
  esac
  real=$(readlink -f "$link")
  [ "$real" = "$prefix/$private/$program" ] || fail "bin/$program leads to $real"
  # The window opens Read_me.txt in the folder of its own file.
  [ -f "$(dirname "$real")/Read_me.txt" ] || fail "no Read_me.txt beside $real"
  if grep -q "not found" <<<"$(ldd "$real")"; then
    fail "$program misses libraries: $(ldd "$real" | grep "not found" | tr '\n' ' ')"
  fi
done
cmp -s "$prefix/share/skorlin/Read_me.txt" "$source_dir/resources/Read_me.txt" ||
  fail "the installed Read_me.txt differs from resources/Read_me.txt"

cli=$prefix/bin/skorlin-cli
sample=$source_dir/examples/sample.txt

# convert leaves a UTF-8 text as it is; format gives what the built program gives.
if run_clean "$cli" convert -q "$sample" >"$work/convert.out"; then
  cmp -s "$work/convert.out" "$sample" || fail "convert of the sample changed the text"
else
  fail "installed skorlin-cli convert failed"
fi
if grep -q '^  format ' <<<"$("$build/skorlin-cli" --help)"; then
  if run_clean "$cli" format -q "$sample" >"$work/format.out"; then
    "$build/skorlin-cli" format -q "$sample" >"$work/format.expected"
    cmp -s "$work/format.out" "$work/format.expected" ||
      fail "installed format differs from the built one"
    [ -s "$work/format.out" ] || fail "installed format wrote nothing"
  else
    fail "installed skorlin-cli format failed"
  fi
fi

# The name commands load libfleks.so from the program's folder: the installed copy finds
# it with no help from the environment, and a copy without the library beside it fails.
printf 'Иванов Иван Иванович\n' >"$work/names.txt"
if out=$(run_clean "$cli" dative -q "$work/names.txt"); then
  [ "$out" = "Иванову Ивану Ивановичу" ] || fail "installed dative gave '$out'"
else
  fail "installed skorlin-cli dative failed (declension library not found?)"
fi
mkdir "$work/alone"
cp "$prefix/$private/skorlin-cli" "$work/alone/"
if run_clean "$work/alone/skorlin-cli" dative -q "$work/names.txt" >/dev/null 2>&1; then
  if ! grep -q 'libfleks\.so ' <<<"$(ldconfig -p 2>/dev/null)"; then
    fail "dative worked without libfleks.so beside the program"
  fi
fi

# The manual page and the completion cover every command and option that --help lists.
help=$("$build/skorlin-cli" --help)
commands=$(sed -n '/^Commands:/,/^Options:/p' <<<"$help" | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p')
options=$(grep -oE '^ +(-[a-z], )?--[a-z-]+' <<<"$help" | grep -oE -- '--[a-z-]+' | sort -u)
[ -n "$commands" ] || fail "no commands found in skorlin-cli --help"
man_text=$(gzip -dc "$prefix/share/man/man1/skorlin-cli.1.gz" | sed 's/\\-/-/g')
completion=$prefix/share/bash-completion/completions/skorlin-cli
for word in $commands $options; do
  grep -qE -- "(^|[^a-z-])$word([^a-z-]|$)" <<<"$man_text" || fail "the manual page does not mention $word"
done

# Completion, as bash asks for it.
complete_words() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
           _skorlin_cli; printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" skorlin-cli "$@"
}
for command in $commands; do
  grep -qx -- "$command" <<<"$(complete_words "$command")" || fail "completion does not offer $command"
  command_options=$(sed -n "/^  $command /,/^  [a-z]/p" <<<"$help" | { grep -oE '^      --[a-z-]+' || true; } | tr -d ' ')
  for option in $command_options; do
    grep -qx -- "$option" <<<"$(complete_words "$command" "--")" ||
      fail "completion does not offer $option after $command"
  done
done
for option in $(sed -n '/^Options:/,$p' <<<"$help" | grep -oE -- '--[a-z-]+'); do
  grep -qx -- "$option" <<<"$(complete_words "--")" || fail "completion does not offer $option"
done
[ "$(complete_words --eol "" | tr '\n' ' ')" = "crlf lf " ] || fail "completion of --eol values"

if $window; then
  desktop=$prefix/share/applications/skorlin.desktop
  grep -qx 'Exec=skorlin %f' "$desktop" || fail "the desktop entry does not start skorlin with the file"
  if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects skorlin.desktop"
  fi
  for png in "$prefix"/share/icons/hicolor/*x*/apps/skorlin.png; do
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "$png is not a PNG"
  done
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures install check(s) failed" >&2
  exit 1
fi
echo "install checks passed (${#expected[@]} files, window: $window)"

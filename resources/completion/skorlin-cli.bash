# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for skorlin-cli: commands, their options, option values and files.
# Installed as share/bash-completion/completions/skorlin-cli; works without the
# bash-completion package too (source this file).

_skorlin_cli_commands="convert format typeset html save-html stats trim delete-empty
  collapse-spaces dedupe delete-repeated delete-unique sort sort-mirror sort-length invert shuffle
  split-paragraphs insert-urls insert-anchors keep-urls keep-domain keep-folder
  keep-filename add-http remove-http initials first-patronymic dative salutation decline"

_skorlin_cli_global_options="--encoding --output-encoding --eol --decimal-separator --locale
  -q --quiet -h --help --version"

# Options that take a value (as the next argument or after "=").
_skorlin_cli_value_options=" --encoding --output-encoding --eol --decimal-separator --locale
  --rate --min --max --seed --clipboard --case "

# The options of one command.
_skorlin_cli_command_options() {
  case $1 in
    format | typeset) echo "--diff" ;;
    html) echo "--no-p --no-skip-empty --no-tables" ;;
    stats) echo "--rate --json" ;;
    shuffle) echo "--seed --derived" ;;
    split-paragraphs) echo "--min --max --seed" ;;
    insert-urls | insert-anchors) echo "--clipboard" ;;
    decline) echo "--case" ;;
  esac
}

_skorlin_cli() {
  local cur prev words cword
  if declare -F _init_completion >/dev/null 2>&1; then
    _init_completion -s || return
  else
    # Without bash-completion "=" is a word of its own: "--eol", "=", "l".
    words=("${COMP_WORDS[@]}")
    cword=$COMP_CWORD
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    if [[ $cur == "=" ]]; then
      cur=""
    elif [[ $prev == "=" && $cword -ge 2 ]]; then
      prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi
  fi

  # The value of an option.
  case $prev in
    --encoding)
      mapfile -t COMPREPLY < <(compgen -W "auto utf-8 cp1251" -- "$cur")
      return ;;
    --output-encoding)
      mapfile -t COMPREPLY < <(compgen -W "utf-8 cp1251" -- "$cur")
      return ;;
    --eol)
      mapfile -t COMPREPLY < <(compgen -W "crlf lf" -- "$cur")
      return ;;
    --decimal-separator)
      mapfile -t COMPREPLY < <(compgen -W ", ." -- "$cur")
      return ;;
    --locale)
      mapfile -t COMPREPLY < <(compgen -W "$(locale -a 2>/dev/null)" -- "$cur")
      return ;;
    --case)
      mapfile -t COMPREPLY < <(compgen -W "1 2 3 4 5 6" -- "$cur")
      return ;;
    --rate | --min | --max | --seed)
      COMPREPLY=()
      return ;;
    --clipboard)
      compopt -o filenames 2>/dev/null
      mapfile -t COMPREPLY < <(compgen -f -- "$cur")
      return ;;
  esac

  # The command: the first word that is neither an option nor an option's value.
  local command="" i word
  for ((i = 1; i < cword; i++)); do
    word=${words[i]}
    if [[ $word == "=" ]]; then
      i=$((i + 1))  # "--eol", "=", "lf" when "=" is a word of its own
    elif [[ $word == -* ]]; then
      if [[ $word != *=* && $_skorlin_cli_value_options == *" $word "* ]]; then
        i=$((i + 1))
      fi
    elif [[ -z $command ]]; then
      command=$word
    fi
  done

  if [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$_skorlin_cli_global_options $(_skorlin_cli_command_options "$command")" -- "$cur")
  elif [[ -z $command ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$_skorlin_cli_commands" -- "$cur")
  else
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -f -- "$cur")
  fi
}

complete -F _skorlin_cli skorlin-cli

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A sample of real Russian text that nobody on the team wrote, for measuring the
# formatter on: Debian's Russian documentation (manual pages, program help, handbooks,
# fortunes) as plain text, then our own dialogue.txt.
#
#   bench/real_text/make_sample.sh [--out FILE] [--lines N] [--cache DIR] [--seed S]
#                                  [--no-dialogue]
#
#   --out FILE       the sample (default: sample.txt in the cache folder)
#   --lines N        non-empty lines taken from the packages (default 8000), whole
#                    paragraphs at a time; dialogue.txt comes on top of them
#   --cache DIR      where the packages are downloaded, unpacked and turned into text
#                    (default: build-real-text in the source tree, which git ignores);
#                    a second run reuses all of it
#   --seed S         the seed of the choice of paragraphs (default 20261208)
#   --no-dialogue    leave dialogue.txt out
#
# The packages come through "apt-get download", which needs no root; those that will not
# download are skipped with a warning. The manual pages are rendered by groff (Debian
# package groff-base), installed here when missing if we are root or have sudo. The
# extraction and the choice are bench/real_text/extract.py: see it for the rules. The
# text is the packages' own, under their own licences: it stays in the cache folder and
# is never committed. Prints to standard error the packages' versions and how many lines
# each one gave.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
cache="$root/build-real-text"
out=""
lines=8000
seed=20261208
dialogue="$here/dialogue.txt"

while [ $# -gt 0 ]; do
  case "$1" in
    --out) out="$2"; shift 2 ;;
    --lines) lines="$2"; shift 2 ;;
    --cache) cache="$2"; shift 2 ;;
    --seed) seed="$2"; shift 2 ;;
    --no-dialogue) dialogue=""; shift ;;
    -h | --help) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    *) echo "make_sample.sh: unknown argument $1 (see --help)" >&2; exit 2 ;;
  esac
done
mkdir -p "$cache/debs" "$cache/unpacked"
cache="$(cd "$cache" && pwd)"
out="${out:-$cache/sample.txt}"

packages=(manpages-ru manpages-ru-dev gimp-help-ru libreoffice-help-ru debian-faq-ru
          maint-guide-ru developers-reference-ru aptitude-doc-ru fortunes-ru)

# groff renders the manual pages; preconv (same package) reads their UTF-8.
if ! command -v groff >/dev/null || ! command -v preconv >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "make_sample.sh: installing groff-base for the manual pages" >&2
  if ! { $sudo apt-get update -qq && $sudo env DEBIAN_FRONTEND=noninteractive \
         apt-get install -y -qq --no-install-recommends groff-base >/dev/null; }; then
    echo "make_sample.sh: groff is missing and could not be installed (apt-get install groff-base)" >&2
    exit 1
  fi
fi

# Download each package once; a newer version in the archive gets downloaded beside the
# old one, and the version file names the one in use.
: > "$cache/versions.txt.new"
for package in "${packages[@]}"; do
  version="$(apt-cache policy "$package" 2>/dev/null | awk '/Candidate:/ {print $2}')"
  if [ -z "$version" ] || [ "$version" = "(none)" ]; then
    echo "make_sample.sh: warning: $package is not in the package lists (apt-get update?): skipped" >&2
    continue
  fi
  # apt-get names the file with the version's colon escaped as %3a.
  deb="$(ls "$cache/debs/${package}_${version//:/%3a}_"*.deb 2>/dev/null | head -n 1 || true)"
  if [ -z "$deb" ]; then
    if ! (cd "$cache/debs" && apt-get download -q "$package=$version" >/dev/null 2>"$cache/debs/apt.log"); then
      echo "make_sample.sh: warning: $package $version did not download: skipped" >&2
      sed 's/^/    /' "$cache/debs/apt.log" >&2
      continue
    fi
    deb="$(ls "$cache/debs/${package}_${version//:/%3a}_"*.deb | head -n 1)"
  fi
  # Unpack again only when the version changed.
  if [ "$(cat "$cache/unpacked/$package.version" 2>/dev/null)" != "$version" ]; then
    rm -rf "${cache:?}/unpacked/$package"
    dpkg-deb -x "$deb" "$cache/unpacked/$package"
    echo "$version" > "$cache/unpacked/$package.version"
  fi
  echo "$package $version" >> "$cache/versions.txt.new"
done
mv "$cache/versions.txt.new" "$cache/versions.txt"
if [ ! -s "$cache/versions.txt" ]; then
  echo "make_sample.sh: no package could be had" >&2
  exit 1
fi

python3 "$here/extract.py" "$cache" "$out" --lines "$lines" --seed "$seed" \
  ${dialogue:+--dialogue "$dialogue"}

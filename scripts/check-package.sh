#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package (scripts/package.sh) and checks it as a distribution would:
# lintian --pedantic, appstreamcli on the AppStream metadata, desktop-file-validate on the
# desktop entry, mandoc -Tlint on the manual pages, and Depends against the libraries the
# programs load. Fails on any error or warning; the tags lintian only reports as
# information are shown, and those that once were mended fail too.
#   scripts/check-package.sh [--build-dir DIR | CMAKE_ARGS...]   (arguments go to package.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-deps.sh lintian mandoc appstream desktop-file-utils binutils

package=$(scripts/package.sh "$@" | tail -n 1)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$package" "$root"
failures=0
fail() {
  echo "check-package: FAIL: $*" >&2
  failures=$((failures + 1))
}

echo "== lintian --pedantic $package"
# Information tags that must not come back: the hardening flags, and the stripped .comment.
mended='hardening-no-(bindnow|fortify-functions|relro|pie)|binary-has-unneeded-section'
lintian --pedantic --display-info --tag-display-limit 0 --fail-on none "$package" >"$work/lintian.txt" 2>&1 ||
  fail "lintian did not finish"
grep -v 'running with root privileges' "$work/lintian.txt" || true
grep -qE '^[EW]: ' "$work/lintian.txt" && fail "lintian reports errors or warnings"
grep -qE "^[IP]: [^ ]+ ($mended) " "$work/lintian.txt" && fail "lintian reports hardening or unstripped binaries again"

metainfo=$(find "$root/usr/share/metainfo" -name '*.metainfo.xml' 2>/dev/null | head -n 1)
desktop=$root/usr/share/applications/skorlin.desktop
if [ -f "$desktop" ]; then
  echo "== appstreamcli validate --pedantic --no-net"
  if [ -z "$metainfo" ]; then
    fail "the package has a desktop entry but no AppStream metadata"
  else
    appstreamcli validate --pedantic --no-net --no-color "$metainfo" || fail "appstreamcli validate"
    # The metadata, the desktop entry it launches and the icon, together as installed.
    appstreamcli validate-tree --pedantic --no-net --no-color "$root" || fail "appstreamcli validate-tree"
  fi
  echo "== desktop-file-validate"
  desktop-file-validate "$desktop" && echo "$(basename "$desktop"): valid" || fail "desktop-file-validate"
fi

echo "== mandoc -Tlint -W style"
for page in "$root"/usr/share/man/man1/*.1.gz; do
  if out=$(mandoc -Tlint -W style "$page" 2>&1) && [ -z "$out" ]; then
    echo "$(basename "$page"): clean"
  else
    echo "$out"
    fail "mandoc -Tlint $(basename "$page")"
  fi
done
# mandoc counts bytes after it has written non-ASCII letters as escapes; the source lines
# themselves stay within 80 bytes too.
for page in "$root"/usr/share/man/man1/*.1.gz; do
  long=$(gzip -dc "$page" | LC_ALL=C awk -v name="$(basename "$page")" 'length($0) > 80 { print name ":" NR }')
  [ -z "$long" ] || fail "source lines over 80 bytes: $long"
done

echo "== Depends covers every library the programs load"
depends=$(dpkg-deb --field "$package" Depends)
echo "Depends: $depends"
while IFS= read -r -d '' binary; do
  readelf -h "$binary" >/dev/null 2>&1 || continue
  for soname in $(readelf -d "$binary" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    # "libx.so => /path (address)", or for the dynamic loader "/path (address)".
    path=$(ldd "$binary" | awk -v lib="$soname" '
      $1 == lib { print $3; exit }
      { n = split($1, part, "/"); if (n > 1 && part[n] == lib) { print $1; exit } }')
    if [ -z "$path" ]; then
      fail "$(basename "$binary") needs $soname, which is not found"
      continue
    fi
    owner=""
    for candidate in "$path" "${path#/usr}" "/usr$path"; do
      [ -n "$candidate" ] && owner=$(dpkg -S "$candidate" 2>/dev/null | head -n 1 | cut -d: -f1) && [ -n "$owner" ] && break
    done
    if [ -z "$owner" ]; then
      fail "$(basename "$binary") needs $soname, which no installed package provides"
    elif ! tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | grep -qxF "$owner"; then
      fail "$(basename "$binary") needs $soname from $owner, which is not in Depends"
    fi
  done
done < <(find "$root/usr/libexec" -type f -print0)

if [ "$failures" -ne 0 ]; then
  echo "check-package: $failures check(s) failed" >&2
  exit 1
fi
echo "check-package: $package passes lintian, appstreamcli, desktop-file-validate and mandoc"

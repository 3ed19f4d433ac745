#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the Windows build into build-windows/skorlin-VERSION-windows-x64.zip:
# skorlin-cli.exe, FLEKS.DLL, fleks.h, the README, both licences and a read-me for
# Windows. Builds with scripts/build-windows.sh (without its tests) when the files are
# missing. The path of the zip is the last line printed.
#   scripts/package-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-windows
if [ ! -f "$build/skorlin-cli.exe" ] || [ ! -f "$build/FLEKS.DLL" ]; then
  scripts/build-windows.sh --no-tests
fi
scripts/setup-deps.sh zip

version=$(sed -n 's/^project(Skorlin VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=skorlin-$version-windows-x64
stage=$build/package/$name
rm -rf "$build/package"
mkdir -p "$stage"
cp "$build/skorlin-cli.exe" "$build/FLEKS.DLL" fleks/fleks.h README.md COPYING "$stage/"
x86_64-w64-mingw32-strip "$stage/skorlin-cli.exe" "$stage/FLEKS.DLL"  # no debugging symbols
cp fleks/LICENSE "$stage/LICENSE-fleks"
# The read-me with Windows line breaks, for Notepad.
sed 's/$/\r/' resources/windows-readme.txt >"$stage/README-Windows.txt"

zip_file=$PWD/$build/$name.zip
rm -f "$zip_file"
(cd "$build/package" && zip -q -r -X "$zip_file" "$name")
echo "$zip_file"

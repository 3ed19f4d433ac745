#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the PNG sizes of the icon from resources/icons/skorlin.svg. The PNGs are kept in
# the repository, so only a change of the drawing needs this (rsvg-convert: Debian's
# librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"

if ! command -v rsvg-convert >/dev/null 2>&1; then
  echo "render-icons: rsvg-convert is missing; install it with: apt-get install librsvg2-bin" >&2
  exit 1
fi
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" skorlin.svg --output "skorlin-$size.png"
done

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Skorlin and starts the window; without a display, shows the command-line tool
# formatting FILE (or the sample text).
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build >/dev/null

file="${1:-examples/sample.txt}"
window=""
[ -x build/skorlin ] && window=build/skorlin

if [ -n "$window" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$window" "$@"
fi

if [ -z "$window" ]; then
  echo "The window is not built yet; here is skorlin-cli format $file:"
else
  echo "No display available; here is skorlin-cli format $file:"
fi
command=format
build/skorlin-cli --help | grep -q '^  format' || command=convert
exec build/skorlin-cli "$command" "$file"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of every tab of the window with a sample text, and of the tab "Skorlin" with
# "Типографика" on over a dialogue (window-typeset.png), taken in a virtual X server with
# a small window manager (so the title bar is in the picture), into docs/.
# Needs xvfb, openbox and fonts with Cyrillic (fonts-dejavu-core, fonts-liberation2).
#   scripts/screenshot.sh [SAMPLE] [BUILD_FOLDER] [DIALOGUE]
set -euo pipefail
cd "$(dirname "$0")/.."

sample="${1:-examples/sample.txt}"
build="${2:-build}"
dialogue="${3:-examples/dialogue.txt}"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target skorlin-screenshots >/dev/null
for tool in xvfb-run openbox; do
  command -v "$tool" >/dev/null || { echo "screenshot.sh: $tool is not installed" >&2; exit 1; }
done

mkdir -p docs
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" bash -c '
  openbox >/dev/null 2>&1 &
  manager=$!
  sleep 1
  status=0
  QT_QPA_PLATFORM=xcb "$1" "$2" docs || status=$?
  [ "$status" -ne 0 ] || QT_QPA_PLATFORM=xcb "$1" --typeset "$3" docs || status=$?
  kill "$manager" 2>/dev/null || true
  exit $status
' screenshot "$build/skorlin-screenshots" "$sample" "$dialogue"

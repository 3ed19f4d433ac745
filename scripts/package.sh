#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package: a Release build in build-package/ and cpack -G DEB, giving
# build-package/skorlin_VERSION_ARCH.deb. Extra arguments go to the cmake configuration
# (e.g. -DSKORLIN_BUILD_GUI=OFF for a package with skorlin-cli only).
#   scripts/package.sh [CMAKE_ARGS...]
#   scripts/package.sh --build-dir DIR   packages an optimised build that is already there
#                                        (Release or RelWithDebInfo, as ./test.sh makes in build/)
# The path of the package is the last line printed.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-package
reuse=false
if [ "${1:-}" = "--build-dir" ]; then
  [ $# -eq 2 ] || { echo "usage: scripts/package.sh --build-dir DIR" >&2; exit 2; }
  build=$2
  reuse=true
fi

scripts/setup-deps.sh
# Depends comes from dpkg-shlibdeps; without it cpack would leave it empty.
if ! command -v dpkg-shlibdeps >/dev/null 2>&1; then
  echo "package: dpkg-shlibdeps (dpkg-dev) is missing: install it to build the package" >&2
  exit 1
fi

if $reuse; then
  # The package must be what a release build gives: optimised, hardened, no sanitizers.
  cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
  [ -f "$build/CMakeCache.txt" ] || { echo "package: $build is not a configured build folder" >&2; exit 1; }
  case "$(cache_value CMAKE_BUILD_TYPE)" in
    Release | RelWithDebInfo) ;;
    *) echo "package: $build is a $(cache_value CMAKE_BUILD_TYPE) build, not Release or RelWithDebInfo" >&2; exit 1 ;;
  esac
  if [ "$(cache_value SKORLIN_SANITIZE)" = ON ] || [ "$(cache_value SKORLIN_HARDEN)" = OFF ]; then
    echo "package: $build is built with sanitizers or without hardening" >&2
    exit 1
  fi
else
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSKORLIN_BUILD_BENCH=OFF \
    -DSKORLIN_SANITIZE=OFF -DSKORLIN_HARDEN=ON "$@" >/dev/null
fi
cmake --build "$build" --target skorlin_install_contents -j "$(nproc)"
rm -f "$build"/skorlin_*.deb
(cd "$build" && cpack -G DEB >/dev/null)

package=$(ls "$build"/skorlin_*.deb)
dpkg-deb --field "$package" Package Version Architecture Depends
echo "$package"

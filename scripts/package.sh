#!/usr/bin/env bash
# Builds the Debian package: a Release build in build-package/ and cpack -G DEB, giving
# build-package/skorlin_VERSION_ARCH.deb. Extra arguments go to the cmake configuration
# (e.g. -DSKORLIN_BUILD_GUI=OFF for a package with skorlin-cli only).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-deps.sh
if ! command -v dpkg-shlibdeps >/dev/null 2>&1; then
  echo "package: dpkg-shlibdeps (dpkg-dev) is missing; the package gets the fixed dependency list of Debian 12" >&2
fi

cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DSKORLIN_BUILD_BENCH=OFF \
  -DSKORLIN_SANITIZE=OFF "$@" >/dev/null
cmake --build build-package --target skorlin_install_contents -j "$(nproc)"
rm -f build-package/skorlin_*.deb
(cd build-package && cpack -G DEB >/dev/null)

package=$(ls build-package/skorlin_*.deb)
echo "package: $package"
dpkg-deb --field "$package" Package Version Architecture Depends

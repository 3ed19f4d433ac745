#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Skorlin needs to build, test and run, and any further ones
# named as arguments (e.g. the package checkers); does nothing when they are all there.
#   scripts/setup-deps.sh [PACKAGE...]
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config dpkg-dev
  qt6-base-dev libqscintilla2-qt6-dev libicu-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth openbox fonts-dejavu-core fonts-liberation2
  clang libclang-rt-14-dev clang-tidy
  patch  # the CLI tests apply the diffs of format --diff with it
)
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup-deps: installing ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
  else
    echo "setup-deps: cannot install ${missing[*]}: not root and no sudo; install them and try again" >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
if ! $sudo apt-get update -qq || ! $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
  echo "setup-deps: apt-get could not install ${missing[*]}" >&2
  exit 1
fi

#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package in build/; prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
cd build
rm -f orvane_*.deb
cpack -G DEB >/dev/null
echo "$PWD/$(ls orvane_*.deb)"

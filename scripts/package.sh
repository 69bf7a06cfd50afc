#!/usr/bin/env bash
# Installs what is missing, builds the two programs as a packager would (without the tests,
# and so without GoogleTest or Qt Test, which the configuration is told are not there) into
# build-package/, and makes the Debian package there; prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/configure-gcc.sh build-package -DORVANE_TESTS=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON
cmake --build build-package -j"$(nproc)"
cd build-package
rm -f orvane_*.deb
cpack -G DEB >/dev/null
echo "$PWD/$(ls orvane_*.deb)"

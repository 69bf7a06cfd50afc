#!/usr/bin/env bash
# Installs what is missing, then runs every stage in turn and stops at the first that fails:
# the formatting check, the GCC build with every test, the clang build with every test under
# the address and undefined-behaviour sanitizers (Qt tests on the offscreen platform), the
# fuzz targets for 20 s each, the Debian package started as installed. A new stage is one
# more line in the list.
set -euo pipefail
cd "$(dirname "$0")/.."
stages=(
  scripts/check-format.sh
  scripts/test-gcc.sh
  scripts/test-clang.sh
  scripts/fuzz.sh
  scripts/test-package.sh
)
scripts/setup.sh
for stage in "${stages[@]}"; do
  echo "== $stage" >&2
  start=$SECONDS
  "$stage"
  echo "== $stage passed in $((SECONDS - start)) s" >&2
done

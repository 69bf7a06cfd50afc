#!/usr/bin/env bash
# Builds everything with clang 14 into build-clang/ (warnings are errors) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
CC=clang-14 CXX=clang++-14 cmake -S . -B build-clang -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVANE_WERROR=ON >/dev/null
cmake --build build-clang -j"$(nproc)"
ctest --test-dir build-clang --output-on-failure -j"$(nproc)"

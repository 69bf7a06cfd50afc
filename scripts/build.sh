#!/usr/bin/env bash
# Configures and builds everything with GCC into build/ (warnings are errors).
set -euo pipefail
cd "$(dirname "$0")/.."
CC=gcc CXX=g++ cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_WERROR=ON >/dev/null
cmake --build build -j"$(nproc)"

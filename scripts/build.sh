#!/usr/bin/env bash
# Configures and builds everything with GCC into build/ (warnings are errors).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/configure-gcc.sh build
cmake --build build -j"$(nproc)"

#!/usr/bin/env bash
# Installs what is missing, builds, writes the synthetic sample data and starts the
# program with the sample folder as its current folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
cmake --build build --target sample_data >/dev/null
cd build/sample
exec ../bin/orvane

#!/usr/bin/env bash
# Configures a GCC build tree (RelWithDebInfo, warnings are errors) in the folder given first,
# with the further CMake arguments given after it. Both GCC trees (build/ with the tests,
# build-package/ without) compile the same sources with the same flags: through ccache, with
# the paths below the repository made relative, the second takes the first one's objects
# instead of compiling them again.
set -euo pipefail
cd "$(dirname "$0")/.."
tree=$1
shift
launcher=()
if command -v ccache >/dev/null 2>&1; then
  cache="env;CCACHE_BASEDIR=$PWD;CCACHE_NOHASHDIR=1;ccache"
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER="$cache" -DCMAKE_CXX_COMPILER_LAUNCHER="$cache")
fi
CC=gcc CXX=g++ cmake -S . -B "$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_WERROR=ON \
  "${launcher[@]}" "$@" >/dev/null

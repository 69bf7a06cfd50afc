#!/bin/sh
# Runs the search benchmark (which generates its data once and times grep -c '<R>' over the
# same files) from a build folder: bench/search/run.sh build-dir [benchmark options]
set -eu
build=${1:-build}
shift || true
exec "$build/bench/search_bench" --benchmark_counters_tabular=true "$@"

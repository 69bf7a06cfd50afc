#!/bin/sh
# Runs the search benchmark (which generates its data once and times grep -c '<R>' over the
# same files), then times whole processes over the same files: orvane-cli search, start to
# exit, beside grep -c '<R>'. Usage: bench/search/run.sh build-dir [benchmark options]
set -eu
build=${1:-build}
shift || true
"$build/bench/search_bench" --benchmark_counters_tabular=true "$@"

data=$(cd "$build/bench-data/search" && pwd)
cli=$(cd "$build/bin" && pwd)/orvane-cli
# The search runs to the last year that VERSION.TXT gives: 2020, the last generated file.
[ -f "$data/VERSION.TXT" ] || printf '2019.1 Generated benchmark data\r\n' >"$data/VERSION.TXT"
# Output goes to files: GNU grep stops at its first match when it writes to /dev/null.
narrow="'$cli' --data '$data' search --wb 250 252 --tf 150 151 --tr 150 152 >'$data/cli-narrow.txt'"
inches="'$cli' --data '$data' search --wb 98.4 99.2 --tf 59 59.5 --units in >'$data/cli-inches.txt'"
grep="cd '$data' && LC_ALL=C grep -c '<R>' SP*.TXT >'$data/grep-counts.txt'"
echo "whole processes over $(du -sh --apparent-size "$data" | cut -f1) of year files (page cache):"
if command -v hyperfine >/dev/null 2>&1; then
  hyperfine --warmup 1 --runs 5 -n 'orvane-cli search (cm)' "$narrow" \
    -n 'orvane-cli search (inches)' "$inches" -n "grep -c '<R>'" "$grep"
else
  for name in narrow inches grep; do
    eval "command=\$$name"
    sh -c "$command"  # warms the page cache
    start=$(date +%s%N)
    for run in 1 2 3; do sh -c "$command"; done
    echo "$name: $(( ($(date +%s%N) - start) / 3000000 )) ms a run (mean of 3)"
  done
fi

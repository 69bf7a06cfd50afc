#!/bin/sh
# Runs the search benchmark (which generates its data once and times grep -c '<R>' over the
# same files), then times whole processes over the same files: orvane-cli search, start to
# exit, on every core and held to one core, and orvane-cli similar over typed values,
# beside grep -c '<R>' and a bare read of the files (cat).
# Usage: bench/search/run.sh build-dir [benchmark options]
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
similar="'$cli' --data '$data' similar --wb 251 --tf 150 --tr 151 --format text >'$data/cli-similar.txt'"
# The scan's threads all on the first core: what the search costs without the second.
onecore="taskset -c 0 $narrow"
grep="cd '$data' && LC_ALL=C grep -c '<R>' SP*.TXT >'$data/grep-counts.txt'"
read="cd '$data' && cat SP*.TXT >/dev/null"
names="narrow inches similar grep read"
command -v taskset >/dev/null 2>&1 && names="narrow onecore inches similar grep read"
echo "whole processes over $(du -sh --apparent-size "$data" | cut -f1) of year files (page cache):"
if command -v hyperfine >/dev/null 2>&1; then
  set --
  for name in $names; do
    eval "command=\$$name"
    set -- "$@" -n "$name" "$command"
  done
  hyperfine --warmup 1 --runs 10 "$@"
else
  for name in $names; do
    eval "command=\$$name"
    sh -c "$command"  # warms the page cache
    best=
    for run in 1 2 3 4 5; do
      start=$(date +%s%N)
      sh -c "$command"
      took=$((($(date +%s%N) - start) / 1000000))
      [ -z "$best" ] || [ "$took" -lt "$best" ] && best=$took
    done
    echo "$name: $best ms (best of 5)"
  done
fi

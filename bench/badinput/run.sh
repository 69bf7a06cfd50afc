#!/bin/sh
# The large inputs of the bad-input corpus at full size, through the real window offscreen:
# a 300 MB year file (3,000 makes) and one make of 1,000,000 records. Prints the time and
# the peak memory of each step (load, make list, grid, year report) and the whole process's
# peak. Usage: bench/badinput/run.sh build-dir [year MB] [make records]
set -eu
build=${1:-build}
export ORVANE_BIG_YEAR_MB=${2:-300} ORVANE_BIG_MAKE_RECORDS=${3:-1000000}
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$build/xdg-runtime"
for row in "year file of $ORVANE_BIG_YEAR_MB MB" "make of $ORVANE_BIG_MAKE_RECORDS records"; do
  echo "== $row"
  /usr/bin/time -f "process: %e s, peak %M KiB" "$build/tests/bad_input_test" "bigInputs:$row" 2>&1 |
    grep -E 'QINFO|FAIL|process:' | sed 's/^QINFO  : [^)]*) //'
done

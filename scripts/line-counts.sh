#!/usr/bin/env bash
# Prints the lines of test code, the lines of all other code and the tests' share of them.
# A line counts when it is neither blank nor only a // comment; the files are the .cpp and .h
# files git tracks: those under tests/ against every other one (fuzz/ and bench/ included).
# The project keeps the tests' share at most a third of the other code.
set -euo pipefail
cd "$(dirname "$0")/.."

# Counted lines of the tracked files the git pathspecs name.
count() {
  git ls-files -z -- "$@" | xargs -0 -r cat | grep -cvE '^[[:space:]]*(//.*)?$' || true
}

tests=$(count 'tests/*.cpp' 'tests/*.h')
code=$(count '*.cpp' '*.h' ':!:tests/*')
echo "tests: $tests"
echo "code:  $code"
awk -v t="$tests" -v c="$code" 'BEGIN { printf "share: %.1f %% of the code (at most 33.3 %%)\n", c ? 100 * t / c : 0 }'

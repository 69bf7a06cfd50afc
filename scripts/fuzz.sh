#!/usr/bin/env bash
# Builds the libFuzzer targets with clang 14 into build-fuzz/ and runs each for SECONDS
# (default 20), two at a time, each on a temporary copy of its starting inputs in fuzz/ (the
# repository stays unchanged). Fails on any finding: a crash, a failed property, a leak, an
# input slower than 5 s or a process above 2 GB. Usage: scripts/fuzz.sh [SECONDS [TARGET...]]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVANE_WERROR=ON -DORVANE_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for dir in fuzz/fuzz_*/; do targets+=("$(basename "$dir")"); done
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

run() {
  local target=$1
  mkdir -p "$work/$target/corpus" "$work/$target/findings"
  cp "fuzz/$target"/* "$work/$target/corpus/"
  # Findings are written into the work folder; the log keeps the final statistics line.
  if TMPDIR="$work/$target" build-fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$work/$target/findings/" \
      "$work/$target/corpus" >"$work/$target/log" 2>&1; then
    echo "$target: $(grep -E '^#[0-9]+.*(DONE|cov)' "$work/$target/log" | tail -1)"
  else
    echo "$target: FINDING" >&2
    tail -40 "$work/$target/log" >&2
    for f in "$work/$target/findings"/*; do
      [ -e "$f" ] && { echo "input ($f):" >&2; od -c "$f" | head -20 >&2; }
    done
    return 1
  fi
}

jobs=$(nproc)
failed=0
pids=()
for target in "${targets[@]}"; do
  run "$target" &
  pids+=($!)
  if [ ${#pids[@]} -ge "$jobs" ]; then
    wait "${pids[0]}" || failed=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
[ "$failed" -eq 0 ] || { echo "fuzzing: findings above" >&2; exit 1; }
echo "fuzzing: no findings in ${#targets[@]} targets, ${seconds} s each"

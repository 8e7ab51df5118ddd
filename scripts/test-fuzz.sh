#!/usr/bin/env bash
# A bounded, reproducible libFuzzer run over the calculation (clang 14, ASan,
# UBSan). New inputs go to a scratch folder; the committed corpus stays as is.
# Usage: scripts/test-fuzz.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15000000}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp fuzz/corpus/* fuzz/regressions/* "$work"/
status=0
build/fuzz/fuzz/covering_mask_fuzz -runs="$runs" -seed=1 -max_len=64 -dict=fuzz/addresses.dict \
  -artifact_prefix="$work/" -print_final_stats=1 "$work" >"$work/log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  tail -n 40 "$work/log"
  echo "fuzzing found a fault; the input is in the log above"
  exit "$status"
fi
grep -E '^(Done|stat::number_of_executed_units)' "$work/log"

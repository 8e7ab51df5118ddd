#!/usr/bin/env bash
# A bounded, reproducible libFuzzer run over the calculation and over the entry
# rules that keys and clipboards feed (clang 14, ASan, UBSan). New inputs go
# to a scratch folder; the committed corpora stay as they are.
# Usage: scripts/test-fuzz.sh [runs] [entry-rule runs]
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15000000}
entry_runs=${2:-5000000}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fuzz() {  # target runs max_len dict corpus_folder...
  local target=$1 runs=$2 max_len=$3 dict=$4
  shift 4
  rm -rf "${work:?}/$target" && mkdir "$work/$target"
  for folder in "$@"; do cp "$folder"/* "$work/$target"/; done
  local status=0
  echo "$target:"
  "build/fuzz/fuzz/$target" -runs="$runs" -seed=1 -max_len="$max_len" -dict="$dict" \
    -artifact_prefix="$work/" -print_final_stats=1 "$work/$target" >"$work/log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$work/log"
    echo "fuzzing $target found a fault; the input is in the log above"
    exit "$status"
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$work/log"
}

fuzz covering_mask_fuzz "$runs" 64 fuzz/addresses.dict fuzz/corpus fuzz/regressions
fuzz entry_rules_fuzz "$entry_runs" 96 fuzz/entry_rules.dict fuzz/entry_corpus

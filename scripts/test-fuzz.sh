#!/usr/bin/env bash
# A bounded libFuzzer run over the calculation.
set -euo pipefail
echo "No fuzz target yet."

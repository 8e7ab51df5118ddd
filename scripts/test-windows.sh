#!/usr/bin/env bash
# Cross-builds Morvana.exe and its tests and runs them under Wine.
set -euo pipefail
echo "Morvana.exe is not built yet."

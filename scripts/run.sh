#!/usr/bin/env bash
# Builds the Linux window and starts it. On a fresh Debian 12 machine it first
# installs what the build needs (no MinGW or Wine).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh linux
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release
# Without a display, morvana says so in one line and exits with 1.
exec build/linux-release/src/ui/qt/morvana

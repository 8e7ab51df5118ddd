#!/usr/bin/env bash
# Every test of Morvana, from a clean clone on Debian 12:
#   formatting, the native build (g++ and clang, with clang-tidy), the
#   sanitizer build, the Linux .deb, Morvana.exe under Wine, and a bounded
#   fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

step() { printf '\n==== %s\n' "$*"; }

step "formatting (clang-format 14)"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

step "g++: build and test"
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev

step "clang 14: build, test and clang-tidy"
cmake --preset clang >/dev/null
cmake --build --preset clang
ctest --preset clang
git ls-files -- 'src/mask/*.cpp' 'src/ui/*.cpp' ':!src/ui/win32/*' | xargs clang-tidy -p build/clang --quiet 2>&1 | { grep -v "warnings generated" || true; }

step "AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

step "the Linux package: morvana_*.deb"
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release
rm -f build/linux-release/morvana_*.deb
cpack --preset linux-release >/dev/null
deb=$(echo build/linux-release/morvana_*.deb)
listing=$(dpkg-deb -c "$deb")
for f in bin/morvana share/applications/morvana.desktop \
         share/icons/hicolor/16x16/apps/morvana.png share/icons/hicolor/32x32/apps/morvana.png; do
  grep -q " \./usr/$f\$" <<<"$listing" || { echo "$deb lacks /usr/$f"; exit 1; }
done
echo "$deb holds the executable, the desktop entry and both icons"

step "Morvana.exe under Wine"
scripts/test-windows.sh

step "fuzzing, bounded"
scripts/test-fuzz.sh

step "all tests passed"

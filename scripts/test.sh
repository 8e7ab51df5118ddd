#!/usr/bin/env bash
# Every test of Morvana, from a clean clone on Debian 12:
#   formatting, the documents, the native build (g++, clang, clang-tidy), the
#   sanitizer build, the Linux .deb, Morvana.exe under Wine, the Windows zip
#   and MSI (installed, upgraded and removed under Wine),
#   Morvana.html in headless Chromium, WebKitGTK and Firefox ESR, and a
#   bounded fuzz run. Needs no git: a tree without .git passes too.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

step() { printf '\n==== %s\n' "$*"; }

step "formatting (clang-format 14)"
find src tests fuzz bench tools -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror

step "the documents: README.md and docs/"
scripts/check-release.sh docs

step "g++: build and test"
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev

step "clang 14: build, test and clang-tidy"
cmake --preset clang >/dev/null
cmake --build --preset clang
ctest --preset clang
cmake --build --preset clang --target tidy

step "AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

step "the Linux package: morvana_*.deb"
# The committed icons are what tools/make_icon.py draws, and the .ico is unchanged.
rm -rf build/icons-check
python3 tools/make_icon.py build/icons-check >/dev/null
diff -r build/icons-check res
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release
rm -f build/linux-release/morvana_*.deb
cpack --preset linux-release >/dev/null
scripts/check-release.sh deb

step "Morvana.exe under Wine"
scripts/test-windows.sh
cmake --build --preset mingw --target tidy

step "the Windows zip and MSI: Morvana-*-win64.zip, Morvana-*-x64.msi"
cmake --preset mingw-release >/dev/null
cmake --build --preset mingw-release -j2 >/dev/null
rm -f build/mingw-release/Morvana-*-win64.zip
cpack --preset mingw-release >/dev/null
scripts/check-release.sh zip
# The MSI beside it: reproducible, and installed, upgraded, refused and removed under Wine.
scripts/test-msi.sh

step "the browser window: Morvana.html"
cmake --preset web >/dev/null
cmake --build --preset web
ctest --preset web
cmake --build --preset web --target tidy
scripts/check-release.sh page
# Another version number needs only the one setting: the package and the page follow it.
scripts/check-release.sh version

step "fuzzing, bounded"
scripts/test-fuzz.sh

step "all tests passed"

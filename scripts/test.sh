#!/usr/bin/env bash
# Every test of Morvana, from a clean clone on Debian 12:
#   formatting, the native build (g++ and clang, with clang-tidy), the
#   sanitizer build, the Linux .deb, Morvana.exe under Wine, the Windows zip
#   and MSI (installed, upgraded and removed under Wine),
#   Morvana.html in headless Chromium, WebKitGTK and Firefox ESR, and a
#   bounded fuzz run. Needs no git: a tree without .git passes too.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

step() { printf '\n==== %s\n' "$*"; }
# The one version number every release file carries (cmake -DMORVANA_VERSION=...).
version=$(sed -n 's/^set(MORVANA_VERSION \([0-9.]*\) CACHE.*/\1/p' CMakeLists.txt)

step "formatting (clang-format 14)"
find src tests fuzz bench tools -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror

step "g++: build and test"
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev

step "clang 14: build, test and clang-tidy"
cmake --preset clang >/dev/null
cmake --build --preset clang
ctest --preset clang
find src/mask src/ui -name '*.cpp' -not -path 'src/ui/win32/*' -not -path 'src/ui/web/*' -print0 | xargs -0 clang-tidy -p build/clang --quiet 2>&1 | { grep -v "warnings generated" || true; }

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
deb=$(echo build/linux-release/morvana_*.deb)
listing=$(dpkg-deb -c "$deb")
app=example.kestiva.Morvana
for f in bin/morvana share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
         share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$app.png \
         share/icons/hicolor/scalable/apps/$app.svg share/man/man1/morvana.1.gz \
         share/doc/morvana/copyright share/doc/morvana/changelog.gz; do
  grep -q " \./usr/$f\$" <<<"$listing" || { echo "$deb lacks /usr/$f"; exit 1; }
done
echo "$deb holds the executable, desktop entry, metainfo, seven icons, manual page, copyright and changelog"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || { echo "$deb is not version $version"; exit 1; }
# Debian's own checks. As root, lintian says it would rather not be; no tag comes of it.
lintian --fail-on error,warning "$deb"
desktop-file-validate src/ui/qt/$app.desktop
appstreamcli validate --no-net src/ui/qt/$app.metainfo.xml

step "Morvana.exe under Wine"
scripts/test-windows.sh
# clang-tidy over the Win32 sources, with the cross build's own flags and
# MinGW's C++ headers, which clang does not find by itself.
mingw_cxx=$(echo /usr/lib/gcc/x86_64-w64-mingw32/*-posix/include/c++)
find src/ui/win32 -name '*.cpp' -print0 | xargs -0 clang-tidy -p build/mingw --quiet \
  --extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-isystem"$mingw_cxx" \
  --extra-arg=-isystem"$mingw_cxx/x86_64-w64-mingw32" --extra-arg=-isystem"$mingw_cxx/backward" 2>&1 |
  { grep -v "warnings generated" || true; }

step "the Windows zip and MSI: Morvana-*-win64.zip, Morvana-*-x64.msi"
cmake --preset mingw-release >/dev/null
cmake --build --preset mingw-release -j2 >/dev/null
rm -f build/mingw-release/Morvana-*-win64.zip
cpack --preset mingw-release >/dev/null
zip=$(echo build/mingw-release/Morvana-*-win64.zip)
want=$(printf "Morvana-$version-win64/%s\n" LICENSE.txt Morvana.exe README.txt)
got=$(cmake -E tar tf "$zip" | sort)
[ "$got" = "$want" ] || { printf '%s holds:\n%s\nexpected:\n%s\n' "$zip" "$got" "$want"; exit 1; }
# The program in it is the one tested under Wine above, byte for byte.
rm -rf build/mingw-release/unzipped && mkdir build/mingw-release/unzipped
(cd build/mingw-release/unzipped && cmake -E tar xf "../${zip##*/}")
cmp "build/mingw-release/unzipped/Morvana-$version-win64/Morvana.exe" build/mingw/src/ui/win32/Morvana.exe
echo "$zip holds Morvana.exe, the README and the licence"
# The MSI beside it: reproducible, and installed, upgraded, refused and removed under Wine.
scripts/test-msi.sh

step "the browser window: Morvana.html"
cmake --preset web >/dev/null
cmake --build --preset web
ctest --preset web
# The same checks as for the native sources, with Emscripten's target and headers.
find src/ui/web -name '*.cpp' -print0 | xargs -0 clang-tidy -p build/web --quiet \
  --extra-arg=--target=wasm32-unknown-emscripten --extra-arg=--sysroot="$(em-config CACHE)/sysroot" 2>&1 |
  { grep -v "warnings generated" || true; }
page=build/web/src/ui/web/Morvana.html
size=$(stat -c %s "$page")
[ "$size" -le 102400 ] || { echo "$page is $size bytes, more than 100 KB"; exit 1; }
# The release carries the tested page, byte for byte.
cmp "$page" "build/web/Morvana-$version.html"
echo "$page: $size bytes, $(gzip -9 -c "$page" | wc -c) gzipped; build/web/Morvana-$version.html is the same file"
# Another version number needs only the one setting: the package and the page follow it.
cmake --preset linux-release -B build/linux-release-1.0.1 -DMORVANA_VERSION=1.0.1 >/dev/null
grep -q 'set(CPACK_PACKAGE_VERSION "1.0.1")' build/linux-release-1.0.1/CPackConfig.cmake
cmake --preset web -B build/web-1.0.1 -DMORVANA_VERSION=1.0.1 >/dev/null
grep -q 'Morvana-1\.0\.1\.html' build/web-1.0.1/build.ninja
echo "configured as 1.0.1, the .deb and the page are 1.0.1 (the exe and the MSI: the Windows step)"

step "fuzzing, bounded"
scripts/test-fuzz.sh

step "all tests passed"

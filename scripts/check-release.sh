#!/usr/bin/env bash
# Checks what a release ships, each check by name, from the builds the test
# command made before (the documents need none):
#   check-release.sh docs      README.md and the documents under docs/
#   check-release.sh deb       build/linux-release/morvana_<version>_amd64.deb and its desktop files
#   check-release.sh zip       build/mingw-release/Morvana-<version>-win64.zip
#   check-release.sh page      build/web/src/ui/web/Morvana.html
#   check-release.sh version   another version number, configured once, reaches the .deb and the page
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/checks.sh

# The one version number every release file carries (cmake -DMORVANA_VERSION=...).
version=$(sed -n 's/^set(MORVANA_VERSION \([0-9.]*\) CACHE.*/\1/p' CMakeLists.txt)
app=example.kestiva.Morvana

holds() {  # listing path: the listing has the path
  grep -q " \./usr/$2\$" <<<"$1"
}
lacks() {  # pattern file: no line of the file matches the pattern, in any case
  ! grep -qiE "$1" "$2"
}
early() {  # command: README.md gives it in its first 80 lines
  head -n 80 README.md | grep -q "^$1\b"
}
headings() {  # markdown file: the anchors of its headings, as GitHub makes them
  sed -nE 's/^#{1,6} +//p' "$1" | tr '[:upper:]' '[:lower:]' | sed -E 's/[^a-z0-9 _-]//g; s/ /-/g'
}
links_resolve() {  # document: each relative link reaches a file, and a heading where it names one
  local target path anchor file broken=0
  while read -r target; do
    path=${target%%#*} anchor=${target#"$path"} anchor=${anchor#\#}
    file=$1
    [ -z "$path" ] || file=$(dirname "$1")/$path
    if [ ! -e "$file" ] || { [ -n "$anchor" ] && ! headings "$file" | grep -qxF -- "$anchor"; }; then
      echo "  $1: $target leads nowhere"
      broken=1
    fi
  done < <(grep -oP '\]\(\K[^)\s]+(?=\))' "$1" | grep -vE '^[a-z]+:')
  return $broken
}

case "${1:-}" in
  docs)
    check "README.md is at most 10,000 bytes" [ "$(stat -c %s README.md)" -le 10000 ]
    check "README.md gives the command that runs Morvana in its first 80 lines" early 'bash scripts/run\.sh'
    check "README.md gives the test command in its first 80 lines" early 'bash scripts/test\.sh'
    check "CI runs the README's test command" grep -q '^exec bash scripts/test\.sh$' .ci/run
    for file in docs/*; do
      check "README.md links to $file" grep -qF "]($file)" README.md
    done
    for doc in README.md docs/*.md; do
      check "every link in $doc resolves" links_resolve "$doc"
    done
    ;;
  deb)
    deb=$(echo build/linux-release/morvana_*.deb)
    listing=$(dpkg-deb -c "$deb")
    for f in bin/morvana share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
             share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$app.png \
             share/icons/hicolor/scalable/apps/$app.svg share/man/man1/morvana.1.gz \
             share/doc/morvana/copyright share/doc/morvana/changelog.gz; do
      check "the .deb holds /usr/$f" holds "$listing" "$f"
    done
    check "the .deb is version $version" [ "$(dpkg-deb -f "$deb" Version)" = "$version" ]
    # Debian's own checks. As root, lintian says it would rather not be; no tag comes of it.
    check "lintian finds no error or warning" lintian --fail-on error,warning "$deb"
    check "the desktop entry is valid" desktop-file-validate src/ui/qt/$app.desktop
    check "the AppStream metadata is valid" appstreamcli validate --no-net src/ui/qt/$app.metainfo.xml
    ;;
  zip)
    zip=$(echo build/mingw-release/Morvana-*-win64.zip)
    want=$(printf "Morvana-$version-win64/%s\n" LICENSE.txt Morvana.exe README.txt)
    check "the zip holds Morvana.exe, README.txt and LICENSE.txt, in Morvana-$version-win64" \
      [ "$(cmake -E tar tf "$zip" | sort)" = "$want" ]
    rm -rf build/mingw-release/unzipped && mkdir build/mingw-release/unzipped
    (cd build/mingw-release/unzipped && cmake -E tar xf "../${zip##*/}")
    check "the zip's Morvana.exe is the one tested under Wine, byte for byte" \
      cmp "build/mingw-release/unzipped/Morvana-$version-win64/Morvana.exe" build/mingw/src/ui/win32/Morvana.exe
    # README.txt is for Windows users: nothing of how Morvana is built or tested on Linux.
    check "the zip's README.txt names no Linux command, no MinGW and no Wine" \
      lacks '\b(wine|mingw|sudo|apt|apt-get|dpkg|bash|sh|cmake|cpack|ctest|xdg-open)\b|scripts/' \
      "build/mingw-release/unzipped/Morvana-$version-win64/README.txt"
    ;;
  page)
    page=build/web/src/ui/web/Morvana.html
    size=$(stat -c %s "$page")
    echo "$page: $size bytes, $(gzip -9 -c "$page" | wc -c) gzipped"
    check "Morvana.html is at most 100 KB" [ "$size" -le 102400 ]
    check "Morvana-$version.html, the release's page, is the tested page" cmp "$page" "build/web/Morvana-$version.html"
    ;;
  version)
    cmake --preset linux-release -B build/linux-release-1.0.1 -DMORVANA_VERSION=1.0.1 >/dev/null
    check "configured as 1.0.1, the .deb is 1.0.1" \
      grep -q 'set(CPACK_PACKAGE_VERSION "1.0.1")' build/linux-release-1.0.1/CPackConfig.cmake
    cmake --preset web -B build/web-1.0.1 -DMORVANA_VERSION=1.0.1 >/dev/null
    check "configured as 1.0.1, the page is Morvana-1.0.1.html" grep -q 'Morvana-1\.0\.1\.html' build/web-1.0.1/build.ninja
    ;;
  *)
    echo "usage: $0 docs|deb|zip|page|version" >&2
    exit 2
    ;;
esac
checks_passed

#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Morvana needs,
# only those that are missing. Uses sudo when not run as root.
#   install-deps.sh [all|linux|web]
# all (the default) is everything the tests need; linux is only what building,
# running and packaging the Linux window needs: no MinGW, no Wine; web is only
# what building Morvana.html needs.
set -euo pipefail

linux_window=(
  cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev
  # Qt's Wayland platform plugin: without it the window cannot open on a Wayland-only session
  qt6-wayland
  # the look-alike faces for Verdana and MS Sans Serif, in the Linux window and under Wine
  fonts-dejavu-core fonts-liberation
  dpkg-dev file
)

# Morvana.html: Debian's Emscripten, whose optimiser runs under Node and needs
# node-acorn, and Python to put the page together
web_page=(cmake ninja-build emscripten node-acorn python3)

packages=(
  # native build and tests (cmake, ninja and g++ come with the Linux window)
  clang clang-format clang-tidy libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev
  # benchmarks: Google Benchmark, and Xlib for the start-up watcher
  libbenchmark-dev libx11-dev
  # the Linux window, its fonts and its .deb
  "${linux_window[@]}"
  # Debian's checks on the .deb and its desktop files; python3 redraws the icons to compare
  lintian desktop-file-utils appstream python3
  # Morvana.exe: cross compiler, Wine, a display for its window tests
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64 xvfb xauth x11-utils xdotool imagemagick
  # Morvana's MSI: wixl builds it, msitools' Python bindings (system Python) mend it
  wixl msitools gir1.2-libmsi-1.0 python3-gi
  # a headless Wayland compositor for the Linux window's Wayland test
  weston
  # the Linux window read as a screen reader reads it: a session bus, the AT-SPI
  # bus and its Python client
  dbus-daemon at-spi2-core python3-pyatspi
  # Morvana.html, and headless Chromium driven by Selenium for its tests
  "${web_page[@]}" chromium chromium-driver python3-selenium
  # the same tests in WebKitGTK (its WebDriver, and xclip for its clipboard) and
  # in Firefox ESR, through its own WebDriver BiDi over a websocket; a DevTools
  # connection of the tests' own holds a finger down in Chromium
  webkit2gtk-driver xclip firefox-esr python3-websocket
)

case "${1:-all}" in
  all) ;;
  linux) packages=("${linux_window[@]}") ;;
  web) packages=("${web_page[@]}") ;;
  *) echo "usage: $0 [all|linux|web]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null

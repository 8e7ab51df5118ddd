#!/usr/bin/env bash
# The Windows Installer package: builds Morvana-<version>-x64.msi twice from
# clean, and once more as 1.0.1, then, under Wine in a private prefix, installs
# the release silently, checks what it put where, starts and closes the
# installed program, upgrades it to 1.0.1, has the release refuse to go back
# over 1.0.1, and uninstalls, checking that nothing remains.
# MSI_TEST_REUSE=1 builds on the second and the 1.0.1 builds of an earlier run.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/checks.sh

# The release MSI, and the same sources built again from clean and as 1.0.1.
release=build/mingw-release newer=build/mingw-release-1.0.1
[ -n "${MSI_TEST_REUSE:-}" ] || rm -rf build/mingw-release-repro "$newer"
cmake --preset mingw-release >/dev/null
cmake --preset mingw-release -B build/mingw-release-repro >/dev/null
cmake --preset mingw-release -B "$newer" -DMORVANA_VERSION=1.0.1 >/dev/null
for build in "$release" build/mingw-release-repro "$newer"; do cmake --build "$build" --target morvana_msi -j2 >/dev/null; done
msi=$(echo "$release"/Morvana-*-x64.msi)
version=$(basename "$msi" -x64.msi) version=${version#Morvana-}
newer_msi=$newer/Morvana-1.0.1-x64.msi
echo "${msi##*/}: $(stat -c %s "$msi") bytes"
check "the MSI is at most 64 KiB" [ "$(stat -c %s "$msi")" -le 65536 ]
check "two clean builds of the MSI are byte-identical" cmp "$msi" "build/mingw-release-repro/${msi##*/}"
check "the 1.0.1 build's program file says 1.00.1" \
  grep -qaP '1\x00\.\x000\x000\x00\.\x001\x00' "$newer/src/ui/win32/Morvana.exe"
check "the downgrade message is in the package" \
  grep -qa 'A newer version of Morvana is already installed' <(msiinfo export "$msi" LaunchCondition)
product_code() { msiinfo export "$1" Property | tr -d '\r' | awk -F '\t' '$1 == "ProductCode" {print $2}'; }
code=$(product_code "$msi") newer_code=$(product_code "$newer_msi")

# A private prefix, and no menu entries or file associations for the desktop:
# winemenubuilder would write them into the home folder.
export WINEPREFIX="$PWD/build/msi-test/wineprefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
rm -rf build/msi-test
source scripts/wine-session.sh
started=$SECONDS

drive_c=$WINEPREFIX/drive_c
folder="$drive_c/Program Files/Morvana"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
msiexec() {  # log arguments... -> msiexec's exit code; Wine hands on only its low byte
  local rc=0 log=$1
  shift
  "$wine" msiexec "$@" /l*v "C:\\$log.log" >/dev/null 2>&1 </dev/null || rc=$?
  # Without a log msiexec never began (once seen under load, while Wine was
  # ending the program just closed): that says nothing of the package, so
  # it gets one more go.
  if [ ! -s "$drive_c/$log.log" ]; then
    echo "msiexec $log ended with $rc before it began; once more" >&2
    sleep 2
    rc=0
    "$wine" msiexec "$@" /l*v "C:\\$log.log" >/dev/null 2>&1 </dev/null || rc=$?
  fi
  echo "$rc"
}
entry() {  # the values of an uninstall key, one line: name version publisher help about
  for name in DisplayName DisplayVersion Publisher HelpLink URLInfoAbout; do
    "$wine" reg query "$uninstall\\$1" /v $name 2>/dev/null </dev/null | tr -d '\r' |
      awk -v name=$name '$1 == name {sub(/^ *[^ ]+ +REG_[A-Z_]+ */, ""); printf "%s|", $0}'
  done
}
entries() { "$wine" reg query "$uninstall" /s 2>/dev/null </dev/null | grep -c 'DisplayName *REG_SZ *Morvana' || true; }
# Wine puts a per-machine shortcut into the user's Start menu; Windows into all users'.
shortcuts() {
  find "$drive_c/ProgramData/Microsoft/Windows/Start Menu" \
    "$drive_c"/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu -iname 'Morvana*.lnk' 2>/dev/null
}

echo "== install ${msi##*/}"
check "a silent install exits with 0" [ "$(msiexec install /i "Z:$PWD/$msi" /qn)" = 0 ]
check "Program Files\\Morvana holds the three files" [ "$(ls "$folder" | tr '\n' ' ')" = "LICENSE.txt Morvana.exe README.txt " ]
check "the installed Morvana.exe is the release's" cmp "$folder/Morvana.exe" "$release/src/ui/win32/Morvana.exe"
link=$(shortcuts)
check "one Start-menu shortcut Morvana.lnk (${link#"$drive_c/"})" [ "$(wc -l <<<"$link")" = 1 -a "${link##*/}" = Morvana.lnk ]
check "it points at the installed program" grep -qa 'C:\\Program Files\\Morvana\\Morvana.exe' "$link"
check "the uninstall entry: name, version, publisher, links" [ "$(entry "$code")" = \
  "Morvana|$version|Kestiva, Inc.|https://kestiva.example/morvana|https://kestiva.example|" ]
check "the entry's icon" [ -f "$drive_c/windows/Installer/$code/morvana.ico" ]

echo "== start and close the installed program"
"$wine" 'C:\Program Files\Morvana\Morvana.exe' >/dev/null 2>&1 </dev/null &
program=$!
check "its window opens" [ -n "$(timeout 30 xdotool search --sync --onlyvisible --name '^Morvana$' || true)" ]
"$wine" taskkill /im Morvana.exe >/dev/null 2>&1 </dev/null || true
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null && sleep 0.1; done
kill "$program" 2>/dev/null || true  # still running after 10 s: fails below
program_rc=0
wait "$program" || program_rc=$?
check "closing it ends it with exit code 0" [ "$program_rc" = 0 ]

echo "== upgrade to 1.0.1"
check "a silent upgrade exits with 0" [ "$(msiexec upgrade /i "Z:$PWD/$newer_msi" /qn)" = 0 ]
check "one copy remains: one uninstall entry, 1.0.1's" [ "$(entries) $(entry "$newer_code" | cut -d'|' -f2)" = "1 1.0.1" ]
check "the installed Morvana.exe is 1.0.1's" cmp "$folder/Morvana.exe" "$newer/src/ui/win32/Morvana.exe"
check "one shortcut" [ "$(shortcuts | wc -l)" = 1 ]

echo "== downgrade to $version"
check "the older package refuses with 1603" [ "$(msiexec downgrade /i "Z:$PWD/$msi" /qn)" = $((1603 % 256)) ]
kept=$(cmp -s "$folder/Morvana.exe" "$newer/src/ui/win32/Morvana.exe" && echo 1.0.1)
check "1.0.1 stays, alone" [ "$(entries) $kept" = "1 1.0.1" ]

echo "== uninstall"
check "a silent uninstall exits with 0" [ "$(msiexec uninstall /x "$newer_code" /qn)" = 0 ]
check "no program folder remains" [ ! -e "$folder" ]
check "no shortcut remains" [ -z "$(shortcuts)" ]
check "no uninstall entry remains" [ "$(entries)" = 0 ]
check "no cached package or icon remains" [ -z "$(ls -A "$drive_c/windows/Installer" 2>/dev/null)" ]
check "nothing in the home folder's menus" \
  [ -z "$(find "$HOME/.local/share/applications" "$HOME/.config/menus" -iname '*morvana*' 2>/dev/null)" ]
echo "the Wine part took $((SECONDS - started)) s"

checks_passed

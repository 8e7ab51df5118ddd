#!/usr/bin/env bash
# The Windows Installer package: builds Morvana-<version>-x64.msi twice from
# clean, and once more as 1.0.1, then, under Wine in a private prefix, installs
# the release silently, checks what it put where, starts and closes the
# installed program, upgrades it to 1.0.1, has the release refuse to go back
# over 1.0.1, and uninstalls, checking that nothing remains.
# MSI_TEST_REUSE=1 builds on the second and the 1.0.1 builds of an earlier run.
set -euo pipefail
cd "$(dirname "$0")/.."

release=build/mingw-release
newer=build/mingw-release-1.0.1

passed=0
failed=0
check() {  # description command...
  local what=$1
  shift
  if "$@"; then
    echo "ok - $what"
    passed=$((passed + 1))
  else
    echo "not ok - $what"
    failed=$((failed + 1))
  fi
}

# The release MSI, and the same sources built again from clean and as 1.0.1.
cmake --preset mingw-release >/dev/null
cmake --build --preset mingw-release --target morvana_msi -j2 >/dev/null
msi=$(echo "$release"/Morvana-*-x64.msi)
version=${msi##*/Morvana-}
version=${version%-x64.msi}
[ -n "${MSI_TEST_REUSE:-}" ] || rm -rf build/mingw-release-repro "$newer"
cmake --preset mingw-release -B build/mingw-release-repro >/dev/null
cmake --build build/mingw-release-repro --target morvana_msi -j2 >/dev/null
cmake --preset mingw-release -B "$newer" -DMORVANA_VERSION=1.0.1 >/dev/null
cmake --build "$newer" --target morvana_msi -j2 >/dev/null
newer_msi=$newer/Morvana-1.0.1-x64.msi

size=$(stat -c %s "$msi")
echo "${msi##*/}: $size bytes"
check "the MSI is at most 64 KiB" [ "$size" -le 65536 ]
check "two clean builds of the MSI are byte-identical" cmp "$msi" "build/mingw-release-repro/${msi##*/}"
check "the 1.0.1 build's program file says 1.00.1" \
  grep -qaP '1\x00\.\x000\x000\x00\.\x001\x00' "$newer/src/ui/win32/Morvana.exe"

property() {  # msi name
  msiinfo export "$1" Property | tr -d '\r' | awk -F '\t' -v name="$2" '$1 == name {print $2}'
}
code=$(property "$msi" ProductCode)
newer_code=$(property "$newer_msi" ProductCode)
check "the two versions share the UpgradeCode" [ "$(property "$msi" UpgradeCode)" = "$(property "$newer_msi" UpgradeCode)" ]
check "each version has a ProductCode of its own" [ "$code" != "$newer_code" ]
check "the downgrade message is in the package" \
  sh -c "msiinfo export '$msi' LaunchCondition | grep -q 'A newer version of Morvana is already installed'"

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
  echo "$rc"
}
reg_value() {  # key name
  "$wine" reg query "$1" /v "$2" 2>/dev/null </dev/null | tr -d '\r' |
    awk -v name="$2" '$1 == name {sub(/^ *[^ ]+ +REG_[A-Z_]+ */, ""); print}'
}
morvana_keys() {  # the uninstall keys that name Morvana
  "$wine" reg query "$uninstall" /s 2>/dev/null </dev/null | tr -d '\r' | grep -c 'DisplayName *REG_SZ *Morvana$' || true
}
# Wine puts a per-machine shortcut into the user's Start menu; Windows into all users'.
shortcuts() {
  find "$drive_c/ProgramData/Microsoft/Windows/Start Menu" \
       "$drive_c"/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu -iname 'Morvana*.lnk' 2>/dev/null
}
installed_files() {
  (cd "$folder" 2>/dev/null && ls | tr '\n' ' ')
}
# The Windows path of the installed program, from its installed .lnk.
points_at_program() {
  grep -qa 'C:\\Program Files\\Morvana\\Morvana.exe' "$1"
}

echo "== install ${msi##*/}"
check "a silent install exits with 0" [ "$(msiexec install /i "Z:$PWD/$msi" /qn)" = 0 ]
check "Program Files\\Morvana holds the three files" [ "$(installed_files)" = "LICENSE.txt Morvana.exe README.txt " ]
check "the installed Morvana.exe is the release's" cmp "$folder/Morvana.exe" "$release/src/ui/win32/Morvana.exe"
link=$(shortcuts)
check "one Start-menu shortcut \"Morvana\" ($(sed "s|$drive_c/||" <<<"$link"))" [ "$(wc -l <<<"$link")" = 1 -a "${link##*/}" = Morvana.lnk ]
check "the shortcut points at the installed program" points_at_program "$link"
key="$uninstall\\$code"
check "the uninstall key names Morvana $version" [ "$(reg_value "$key" DisplayName) $(reg_value "$key" DisplayVersion)" = "Morvana $version" ]
check "the publisher is Kestiva, Inc." [ "$(reg_value "$key" Publisher)" = "Kestiva, Inc." ]
check "the help and about links are set" [ -n "$(reg_value "$key" HelpLink)" -a -n "$(reg_value "$key" URLInfoAbout)" ]
check "the uninstall entry has its icon" [ -f "$drive_c/windows/Installer/$code/morvana.ico" ]

echo "== start and close the installed program"
# Where the shortcut points, started as the shortcut would; Wine's start.exe
# does not wait for a program started through a .lnk.
"$wine" 'C:\Program Files\Morvana\Morvana.exe' >/dev/null 2>&1 </dev/null &
program=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Morvana$' 2>/dev/null | head -n 1 || true)
check "its window opens" [ -n "$window" ]
"$wine" taskkill /im Morvana.exe >/dev/null 2>&1 </dev/null || true
for _ in $(seq 100); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
kill "$program" 2>/dev/null || true  # still running after 10 s: a failure below
program_rc=0
wait "$program" || program_rc=$?
check "closing it ends it with exit code 0" [ "$program_rc" = 0 ]

echo "== upgrade to 1.0.1"
check "a silent upgrade exits with 0" [ "$(msiexec upgrade /i "Z:$PWD/$newer_msi" /qn)" = 0 ]
check "one copy remains: one uninstall entry" [ "$(morvana_keys)" = 1 ]
check "the entry is 1.0.1's" [ "$(reg_value "$uninstall\\$newer_code" DisplayVersion)" = 1.0.1 ]
check "the installed Morvana.exe is 1.0.1's" cmp "$folder/Morvana.exe" "$newer/src/ui/win32/Morvana.exe"
check "still one shortcut" [ "$(shortcuts | wc -l)" = 1 ]

echo "== downgrade to $version"
check "the older package refuses with 1603" [ "$(msiexec downgrade /i "Z:$PWD/$msi" /qn)" = $((1603 % 256)) ]
check "1.0.1 stays installed" cmp "$folder/Morvana.exe" "$newer/src/ui/win32/Morvana.exe"
check "still one uninstall entry" [ "$(morvana_keys)" = 1 ]

echo "== uninstall"
check "a silent uninstall exits with 0" [ "$(msiexec uninstall /x "$newer_code" /qn)" = 0 ]
check "no program folder remains" [ ! -e "$folder" ]
check "no shortcut remains" [ -z "$(shortcuts)" ]
check "no uninstall entry remains" [ "$(morvana_keys)" = 0 ]
check "no cached package or icon remains" [ -z "$(ls -A "$drive_c/windows/Installer" 2>/dev/null)" ]
check "nothing in the home folder's menus" \
  [ -z "$(find "$HOME/.local/share/applications" "$HOME/.config/menus" -iname '*morvana*' 2>/dev/null)" ]
echo "the Wine part took $((SECONDS - started)) s"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]

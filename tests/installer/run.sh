#!/usr/bin/env bash
# Tests the release packages: the zips' contents, and the installer under 64-bit
# Wine, each test in a fresh prefix (a copy of one freshly booted prefix).
# Needs an X display for the program's window:  xvfb-run -a bash tests/installer/run.sh
#
# The shipped installer is a 32-bit program, which a 64-bit-only Wine cannot run, so
# the installer tests run the same script built for amd64 (scripts/package.sh
# --nsis-target amd64-unicode); the shipped one is checked for its kind and manifest.
# TARVIO_EXE_WIN32, TARVIO_EXE_WIN64 and TARVIO_DOCS_DIR are passed on to package.sh.
set -uo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
work=$root/build/installer-tests
wine=/usr/lib/wine/wine64
command -v wine64 >/dev/null 2>&1 && wine=$(command -v wine64)
wineserver=$(dirname "$wine")/wineserver
export WINEDEBUG=-all
# No desktop files or menu entries in the user's home from the shortcuts.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="

passed=0
failed=0
current_ok=1
note() { printf '    %s\n' "$*"; }
fail() { note "FAIL: $*"; current_ok=0; }
# check DESCRIPTION COMMAND...: the command must succeed.
check() {
  local what="$1"; shift
  "$@" || fail "$what"
}
run_test() {
  local name="$1"
  printf '[ RUN  ] %s\n' "$name"
  current_ok=1
  "$name"
  if [ "$current_ok" -eq 1 ]; then
    printf '[  OK  ] %s\n' "$name"; passed=$((passed + 1))
    [ -n "${prefix:-}" ] && rm -rf "$prefix"
  else
    printf '[FAILED] %s\n' "$name"; failed=$((failed + 1))
  fi
  prefix=""
}

# ---- building what is tested

rm -rf "$work"
mkdir -p "$work"
version=$(sed -n 's/^project([[:space:]]*Tarvio[[:space:]]\+VERSION[[:space:]]\+\([0-9][0-9.]*\).*/\1/p' CMakeLists.txt | head -n1)
docs=${TARVIO_DOCS_DIR:-docs}
if ! bash scripts/package.sh --out "$work/shipped" >"$work/package.log" 2>&1 ||
   ! bash scripts/package.sh --out "$work/amd64" --nsis-target amd64-unicode --installer-only \
       >>"$work/package.log" 2>&1; then
  cat "$work/package.log"
  echo "0 passed, 1 failed"
  exit 1
fi
shipped_setup=$work/shipped/tarvio-$version-setup.exe
setup=$work/amd64/tarvio-$version-setup.exe
zip64=$work/shipped/tarvio-$version-win64.zip
zip32=$work/shipped/tarvio-$version-win32.zip
exe64=$(mktemp -d "$work/exe64.XXXX")
exe32=$(mktemp -d "$work/exe32.XXXX")
unzip -q "$zip64" tarvio.exe -d "$exe64"
unzip -q "$zip32" tarvio.exe -d "$exe32"
exe64=$exe64/tarvio.exe
exe32=$exe32/tarvio.exe

x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -Wall -Wextra -Wpedantic -Wshadow -Wconversion \
  -Wsign-conversion -Werror -static -o "$work/window_check.exe" tests/installer/window_check.cpp ||
  { echo "0 passed, 1 failed"; exit 1; }

template=$work/template
bash scripts/wine-run.sh "$template" "$work/window_check.exe" "no such window" 0 >/dev/null 2>&1
WINEPREFIX=$template "$wineserver" -w
user=$(ls "$template/drive_c/users" | grep -v -x -i public | head -n1)
win_user_dir="C:\\users\\$user"
default_dir_win="$win_user_dir\\AppData\\Local\\Programs\\Tarvio"

# ---- helpers

# PE machine field: 014c for i386, 8664 for x86-64.
pe_machine() {
  local offset
  offset=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
  od -An -t x2 -j $((offset + 4)) -N 2 "$1" | tr -d ' '
}
new_prefix() {
  prefix=$work/prefix-$1
  rm -rf "$prefix"
  cp -a "$template" "$prefix"
}
in_wine() { bash scripts/wine-run.sh "$prefix" "$@" >/dev/null 2>&1; }
settle() { WINEPREFIX=$prefix "$wineserver" -w; }
# Unix path of a Windows path in the current prefix (drive C: only).
unix_path() {
  local p="${1#[Cc]:}"
  printf '%s/drive_c%s' "$prefix" "${p//\\//}"
}
start_menu_entry() {
  printf '%s/drive_c/users/%s/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tarvio.lnk' "$prefix" "$user"
}
# reg_value KEY NAME: prints the value from the prefix's user.reg (string values
# unescaped, DWORDs as dword:XXXXXXXX); fails when the key or value is missing.
# Run settle first: Wine writes the registry files when its server ends.
# Section headers in user.reg double every backslash of the key's path.
reg_section() { printf '[%s]' "$1" | sed 's/\\/\\\\/g' | tr '[:upper:]' '[:lower:]'; }
reg_value() {
  # Passed through the environment: awk -v would undo the doubled backslashes.
  REG_SECTION=$(reg_section "$1") REG_NAME="$2" awk '
    function unescape(s,   out, i, c) {
      out = ""
      for (i = 1; i <= length(s); i++) {
        c = substr(s, i, 1)
        if (c == "\\") { i++; c = substr(s, i, 1) }
        out = out c
      }
      return out
    }
    BEGIN { want = ENVIRON["REG_SECTION"]; name = ENVIRON["REG_NAME"]; found = 0 }
    /^\[/ { section = tolower($0); sub(/\] [0-9]+$/, "]", section); inside = (section == want); next }
    inside && index(tolower($0), "\"" tolower(name) "\"=") == 1 {
      v = substr($0, length(name) + 4)
      if (v ~ /^"/) v = unescape(substr(v, 2, length(v) - 2))
      print v; found = 1; exit
    }
    END { exit found ? 0 : 1 }
  ' "$prefix/user.reg"
}
reg_key_exists() {
  REG_SECTION=$(reg_section "$1") awk '
    BEGIN { want = ENVIRON["REG_SECTION"] }
    /^\[/ { s = tolower($0); sub(/\] [0-9]+$/, "]", s); if (s == want) found = 1 }
    END { exit found ? 0 : 1 }
  ' "$prefix/user.reg"
}
uninst_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvio'
run_key='Software\Microsoft\Windows\CurrentVersion\Run'
value_is() {  # value_is KEY NAME EXPECTED
  local actual
  if ! actual=$(reg_value "$1" "$2"); then note "no value $2 in $1"; return 1; fi
  [ "$actual" = "$3" ] || { note "$2 is [$actual], expected [$3]"; return 1; }
}
no_value() { ! reg_value "$1" "$2" >/dev/null; }
no_key() { ! reg_key_exists "$1"; }
publisher_set() { [ -n "$(reg_value "$uninst_key" Publisher)" ]; }
window_absent() {
  in_wine "$work/window_check.exe" Tarvio 0
  [ $? -eq 1 ]
}
same_file() { cmp -s "$1" "$2"; }
# Through cmd, which hands the installer its command line as typed: the installer
# takes /D= only unquoted, blanks and all, as the last argument.
setup_win="Z:${setup//\//\\}"
install_silently() {  # install_silently EXPECTED_EXIT ARGS...
  local expected="$1"; shift
  in_wine cmd /c "$setup_win /S $*"
  local rc=$?
  settle
  [ "$rc" -eq "$expected" ] || { note "installer exit code $rc, expected $expected"; return 1; }
}
uninstall_silently() {  # waits for the copy that the uninstaller hands over to
  local dir_win="$1"
  in_wine "$dir_win\\uninstall.exe" /S
  settle
}
installed_files_ok() {  # installed_files_ok UNIX_DIR
  check "64-bit tarvio.exe installed" same_file "$1/tarvio.exe" "$exe64"
  check "hilfe.htm installed" same_file "$1/hilfe.htm" "$docs/hilfe.htm"
  check "sample Provider.INI installed" same_file "$1/Provider.INI" "$docs/Provider.INI"
  check "uninstaller written" test -f "$1/uninstall.exe"
}
user_plan='[Werktags]
07:30=Eigene Verbindung
'

# ---- tests

test_zips_hold_program_help_plan_and_readme() {
  prefix=""
  local zip arch
  for zip in "$zip64" "$zip32"; do
    check "$(basename "$zip") exists" test -f "$zip"
    local names
    names=$(unzip -Z1 "$zip" 2>/dev/null | sort | tr '\n' ' ')
    check "$(basename "$zip") holds exactly the four files ($names)" \
      test "$names" = "LIESMICH.txt Provider.INI hilfe.htm tarvio.exe "
    check "$(basename "$zip") hilfe.htm is the help page" \
      cmp -s <(unzip -p "$zip" hilfe.htm) "$docs/hilfe.htm"
    check "$(basename "$zip") Provider.INI is the sample plan" \
      cmp -s <(unzip -p "$zip" Provider.INI) "$docs/Provider.INI"
    check "$(basename "$zip") LIESMICH.txt starts with a UTF-8 byte-order mark" \
      test "$(unzip -p "$zip" LIESMICH.txt | head -c 3 | od -An -t x1 | tr -d ' ')" = efbbbf
    check "$(basename "$zip") LIESMICH.txt has CRLF line ends" \
      test "$(unzip -p "$zip" LIESMICH.txt | grep -c $'\r$')" = "$(unzip -p "$zip" LIESMICH.txt | wc -l)"
  done
  arch=$(pe_machine "$exe64"); check "win64 zip holds a 64-bit program ($arch)" test "$arch" = 8664
  arch=$(pe_machine "$exe32"); check "win32 zip holds a 32-bit program ($arch)" test "$arch" = 014c
}

test_shipped_installer_is_32_bit_and_never_asks_for_elevation() {
  prefix=""
  local arch
  arch=$(pe_machine "$shipped_setup")
  check "shipped installer is a 32-bit program ($arch)" test "$arch" = 014c
  check "manifest asks for the invoker's rights" grep -aq 'level="asInvoker"' "$shipped_setup"
  check "manifest never asks for administrator" bash -c "! grep -aq requireAdministrator '$shipped_setup'"
  arch=$(pe_machine "$setup")
  check "test installer is the amd64 build ($arch)" test "$arch" = 8664
}

test_silent_install_puts_files_shortcut_and_registration_in_place() {
  new_prefix fresh
  check "silent install succeeds" install_silently 0
  local dir
  dir=$(unix_path "$default_dir_win")
  installed_files_ok "$dir"
  check "Start-menu entry exists" test -f "$(start_menu_entry)"
  check "DisplayName" value_is "$uninst_key" DisplayName Tarvio
  check "DisplayVersion" value_is "$uninst_key" DisplayVersion "$version"
  check "Publisher set" publisher_set
  check "UninstallString quoted" value_is "$uninst_key" UninstallString "\"$default_dir_win\\uninstall.exe\""
  check "QuietUninstallString" value_is "$uninst_key" QuietUninstallString "\"$default_dir_win\\uninstall.exe\" /S"
  check "InstallLocation" value_is "$uninst_key" InstallLocation "$default_dir_win"
  check "NoModify" value_is "$uninst_key" NoModify dword:00000001
  check "NoRepair" value_is "$uninst_key" NoRepair dword:00000001
  local size
  size=$(reg_value "$uninst_key" EstimatedSize)
  check "EstimatedSize is a DWORD of some KB ($size)" \
    bash -c '[[ "$0" =~ ^dword:([0-9a-f]{8})$ ]] && (( 16#${BASH_REMATCH[1]} > 0 ))' "$size"
  check "no Run value unless asked for" no_value "$run_key" Tarvio
  check "nothing written machine-wide" bash -c "! grep -qi tarvio '$prefix/system.reg'"
}

test_autostart_on_request_writes_quoted_run_value() {
  new_prefix autostart
  local dir_win='C:\Meine Programme\Tarvio'
  check "silent install with /AUTOSTART into a folder with a blank" \
    install_silently 0 /AUTOSTART "/D=$dir_win"
  installed_files_ok "$(unix_path "$dir_win")"
  check "Run value holds the quoted program path" value_is "$run_key" Tarvio "\"$dir_win\\tarvio.exe\""
  check "InstallLocation is the chosen folder" value_is "$uninst_key" InstallLocation "$dir_win"
  rm -f "$(unix_path "$dir_win")/hilfe.htm"
  check "update without /D" install_silently 0
  check "update went to the same folder" test -f "$(unix_path "$dir_win")/hilfe.htm"
  check "default folder left alone" test ! -e "$(unix_path "$default_dir_win")"
}

test_update_keeps_the_users_plan_and_replaces_the_program() {
  new_prefix update
  local dir
  dir=$(unix_path "$default_dir_win")
  check "first install" install_silently 0
  printf '%s' "$user_plan" >"$dir/Provider.INI"
  printf 'old program' >"$dir/tarvio.exe"
  rm -f "$dir/hilfe.htm"
  check "second install" install_silently 0
  check "user's Provider.INI unchanged" test "$(cat "$dir/Provider.INI")" = "$(printf '%s' "$user_plan")"
  check "program replaced" same_file "$dir/tarvio.exe" "$exe64"
  check "help page back" same_file "$dir/hilfe.htm" "$docs/hilfe.htm"
  check "still registered" value_is "$uninst_key" InstallLocation "$default_dir_win"
}

test_update_keeps_autostart_choice_unless_told() {
  new_prefix autostart-update
  check "install with /AUTOSTART" install_silently 0 /AUTOSTART
  check "update without option" install_silently 0
  check "Run value kept" value_is "$run_key" Tarvio "\"$default_dir_win\\tarvio.exe\""
  check "update with /NOAUTOSTART" install_silently 0 /NOAUTOSTART
  check "Run value removed" no_value "$run_key" Tarvio
}

test_silent_uninstall_removes_everything_but_the_users_plan() {
  new_prefix uninstall
  local dir
  dir=$(unix_path "$default_dir_win")
  check "install with /AUTOSTART" install_silently 0 /AUTOSTART
  check "registered after install" value_is "$uninst_key" DisplayName Tarvio
  check "Run value written" value_is "$run_key" Tarvio "\"$default_dir_win\\tarvio.exe\""
  check "Start-menu entry after install" test -f "$(start_menu_entry)"
  printf '%s' "$user_plan" >"$dir/Provider.INI"
  uninstall_silently "$default_dir_win"
  local f
  for f in tarvio.exe hilfe.htm uninstall.exe; do
    check "$f removed" test ! -e "$dir/$f"
  done
  check "user's Provider.INI stays" test "$(cat "$dir/Provider.INI" 2>/dev/null)" = "$(printf '%s' "$user_plan")"
  check "nothing else left in the folder" test "$(ls -A "$dir" 2>/dev/null)" = Provider.INI
  check "Start-menu entry removed" test ! -e "$(start_menu_entry)"
  check "Run value removed" no_value "$run_key" Tarvio
  check "registration removed" no_key "$uninst_key"
}

test_installed_program_starts_and_blocks_install_and_uninstall() {
  new_prefix running
  local dir dir_exe
  dir=$(unix_path "$default_dir_win")
  dir_exe="$default_dir_win\\tarvio.exe"
  check "install" install_silently 0
  check "no Tarvio window before the start" window_absent
  bash scripts/wine-run.sh "$prefix" "$dir_exe" >/dev/null 2>&1 &
  local program=$!
  check "main window \"Tarvio\" of the installed program appears" \
    in_wine "$work/window_check.exe" Tarvio 20000 "$dir_exe"
  rm -f "$dir/hilfe.htm"
  in_wine cmd /c "$setup_win /S"
  local rc=$?
  check "silent install refused while Tarvio runs (exit $rc)" test "$rc" -eq 3
  check "refused install changed nothing" test ! -e "$dir/hilfe.htm"
  in_wine "$default_dir_win\\uninstall.exe" /S "_?=$default_dir_win"
  rc=$?
  check "silent uninstall refused while Tarvio runs (exit $rc)" test "$rc" -eq 3
  check "refused uninstall removed nothing" test -f "$dir/tarvio.exe"
  check "still registered" value_is "$uninst_key" DisplayName Tarvio
  in_wine "$work/window_check.exe" Tarvio 5000 "$dir_exe" --terminate
  wait "$program" 2>/dev/null
  settle
  check "install goes ahead once Tarvio has ended" install_silently 0
  check "help page installed then" test -f "$dir/hilfe.htm"
}

start=$(date +%s)
for t in \
  test_zips_hold_program_help_plan_and_readme \
  test_shipped_installer_is_32_bit_and_never_asks_for_elevation \
  test_silent_install_puts_files_shortcut_and_registration_in_place \
  test_autostart_on_request_writes_quoted_run_value \
  test_update_keeps_the_users_plan_and_replaces_the_program \
  test_update_keeps_autostart_choice_unless_told \
  test_silent_uninstall_removes_everything_but_the_users_plan \
  test_installed_program_starts_and_blocks_install_and_uninstall; do
  run_test "$t"
done
rm -rf "$template"
echo "installer tests took $(( $(date +%s) - start )) s"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

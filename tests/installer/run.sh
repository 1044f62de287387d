#!/usr/bin/env bash
# Tests the release packages: the zips' contents (package.sh has checked the imports of
# every file they hold), that a second build elsewhere gives the same bytes, and the
# shipped installer under Wine in long scenarios, each in
# a prefix of its own: a 32-bit Windows (install, update, autostart on and off, refusal
# while Tarvio runs, uninstall, an install into a folder of the user's choice), the same
# Windows playing Windows 98 without user profiles, and a 64-bit one, which gets the
# 64-bit program.
# TARVIO_EXE_WIN32, TARVIO_EXE_WIN64 and TARVIO_DOCS_DIR are passed on to package.sh.
set -uo pipefail
# One display for the whole run (the program's window and Wine's desktop).
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"; fi
cd "$(dirname "$0")/../.."
source scripts/wine-common.sh
work=$PWD/build/installer-tests
export WINEDEBUG=-all
# No desktop files or menu entries in the user's home from the shortcuts.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="

passed=0
failed=0
skipped=0
current_ok=1
note() { printf '    %s\n' "$*"; }
fail() { note "FAIL: $*"; current_ok=0; }
skip() { note "skipped: $*"; current_ok=2; }
# check DESCRIPTION COMMAND...: the command must succeed.
check() {
  local what="$1"; shift
  "$@" || fail "$what"
}
# Under qemu's emulation a Wine process now and then hangs while it starts (see end_wine_of
# in scripts/wine-common.sh). A scenario has a time limit, and one that runs out of it runs
# once more, in a new prefix, after every process of its prefixes has ended.
scenario_seconds=600
run_test() {
  local name="$1" attempt pid p
  printf '[ RUN  ] %s\n' "$name"
  for attempt in 1 2; do
    rm -f "$work/outcome"
    ( current_ok=1; "$name"; echo "$current_ok ${prefix:-}" >"$work/outcome" ) &
    pid=$!
    if ! timeout "$scenario_seconds" tail --pid="$pid" -f /dev/null; then
      note "ran out of time (attempt $attempt of 2)"
      kill "$pid" 2>/dev/null
      for p in "$work"/prefix-*; do [ -d "$p" ] && bash scripts/wine-run.sh "$p" --end; done
    fi
    wait "$pid" 2>/dev/null
    [ -f "$work/outcome" ] && break
  done
  current_ok=0
  [ -f "$work/outcome" ] && read -r current_ok prefix <"$work/outcome"
  if [ "$current_ok" -eq 2 ]; then
    printf '[ SKIP ] %s\n' "$name"; skipped=$((skipped + 1))
  elif [ "$current_ok" -eq 1 ]; then
    printf '[  OK  ] %s\n' "$name"; passed=$((passed + 1))
    # Its processes end first: a Wine still writing there would keep files in it.
    [ -n "${prefix:-}" ] && bash scripts/wine-run.sh "$prefix" --end && rm -rf "$prefix"
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
# The packages, and the e2e driver of each width, which finds a running Tarvio as the
# installer does.
build() {
  bash scripts/package.sh --uncommitted --out "$work/shipped" || return
  local preset
  for preset in win32 win64; do
    cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" --target tarvio_driver -j 2 || return
  done
}
if ! build >"$work/package.log" 2>&1; then
  cat "$work/package.log"
  echo "0 passed, 1 failed"
  exit 1
fi
setup=$work/shipped/tarvio-$version-setup.exe
zip64=$work/shipped/tarvio-$version-win64.zip
zip32=$work/shipped/tarvio-$version-win32.zip
for arch in 32 64; do
  unzip -q -j "$work/shipped/tarvio-$version-win$arch.zip" Tarvio/tarvio.exe -d "$work/exe$arch"
done
exe32=$work/exe32/tarvio.exe
exe64=$work/exe64/tarvio.exe

# ---- helpers

new_prefix() {  # new_prefix win32|win64: a freshly made Windows of that width
  prefix=$work/prefix-$1
  driver=$PWD/build/$1/tests/e2e/tarvio_driver.exe
  rm -rf "$prefix"
  WINEARCH=$1 in_wine cmd /c exit
  settle
  user=$(ls "$prefix/drive_c/users" | grep -v -x -i public | head -n1)
  default_dir_win="C:\\users\\$user\\AppData\\Local\\Programs\\Tarvio"
}
in_wine() { bash scripts/wine-run.sh "$prefix" "$@" >/dev/null 2>&1; }
settle() { bash scripts/wine-run.sh "$prefix" wineserver -w; }
# Unix path of a Windows path in the current prefix (drive C: only).
unix_path() {
  local p="${1#[Cc]:}"
  printf '%s/drive_c%s' "$prefix" "${p//\\//}"
}
start_menu_entry() {
  printf '%s/drive_c/users/%s/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tarvio.lnk' "$prefix" "$user"
}
uninst_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvio'
run_key='Software\Microsoft\Windows\CurrentVersion\Run'
reg() {  # reg KEY NAME...: the values of the root $root (HKCU unless set) as Windows reads them now, one line each
  bash scripts/wine-run.sh "$prefix" "$driver" reg-get "${root:-HKCU}" "$@" 2>/dev/null | tr -d '\r'
}
values_are() {  # [root=HKLM] values_are KEY NAME=EXPECTED...: one check each; DWORDs as dword:XXXXXXXX
  local key="$1" pair i=0 actual
  shift
  mapfile -t actual < <(reg "$key" "${@%%=*}")
  for pair in "$@"; do
    check "${pair%%=*} is [${actual[i]}], expected [${pair#*=}]" test "${actual[i++]}" = "${pair#*=}"
  done
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
  in_wine "$1\\uninstall.exe" /S
  settle
}
installed_files_ok() {  # installed_files_ok UNIX_DIR PROGRAM
  check "$(pe_machine "$2") tarvio.exe installed" same_file "$1/tarvio.exe" "$2"
  check "hilfe.htm installed" same_file "$1/hilfe.htm" "$docs/hilfe.htm"
  check "sample Provider.INI installed" same_file "$1/Provider.INI" "$docs/Provider.INI"
  check "uninstaller written" test -f "$1/uninstall.exe"
}
# The program file behind a window of Tarvio's class, "" when there is none.
running_program() {
  bash scripts/wine-run.sh "$prefix" "$driver" program "$1" 2>/dev/null | tr -d '\r'
}
start_installed() {  # start_installed [FOLDER]: starts the installed program; its pid goes into $program
  local dir_win="${1:-$default_dir_win}" found
  bash scripts/wine-run.sh "$prefix" "$dir_win\\tarvio.exe" >/dev/null 2>&1 &
  program=$!
  found=$(running_program 60000)
  check "a window of Tarvio's class belongs to the installed program ($found)" \
    test "${found,,}" = "${dir_win,,}\\tarvio.exe"
}
stop_installed() {  # as the Task Manager's "End task" would
  kill "$program" 2>/dev/null
  wait "$program" 2>/dev/null
  settle
}
user_plan='[Werktags]
07:30=Eigene Verbindung
'

# ---- tests

test_packages_hold_what_ships() {
  prefix=""
  local zip arch
  for zip in "$zip64" "$zip32"; do
    check "$(basename "$zip") exists" test -f "$zip"
    local names
    names=$(unzip -Z1 "$zip" 2>/dev/null | sort | tr '\n' ' ')
    check "$(basename "$zip") holds the folder Tarvio with exactly the four files ($names)" \
      test "$names" = "Tarvio/ Tarvio/LIESMICH.txt Tarvio/Provider.INI Tarvio/hilfe.htm Tarvio/tarvio.exe "
    check "$(basename "$zip") hilfe.htm is the help page" \
      cmp -s <(unzip -p "$zip" Tarvio/hilfe.htm) "$docs/hilfe.htm"
    check "$(basename "$zip") Provider.INI is the sample plan" \
      cmp -s <(unzip -p "$zip" Tarvio/Provider.INI) "$docs/Provider.INI"
    check "$(basename "$zip") LIESMICH.txt is the readme in code page 1252, CRLF lines, no byte-order mark" \
      cmp -s <(unzip -p "$zip" Tarvio/LIESMICH.txt | iconv -f CP1252 -t UTF-8) <(sed 's/$/\r/' installer/LIESMICH.txt)
  done
  arch=$(pe_machine "$exe64"); check "win64 zip holds a 64-bit program ($arch)" test "$arch" = 8664
  arch=$(pe_machine "$exe32"); check "win32 zip holds a 32-bit program ($arch)" test "$arch" = 014c
  arch=$(pe_machine "$setup"); check "the installer is a 32-bit program ($arch)" test "$arch" = 014c
  check "its manifest asks for the invoker's rights" grep -aq 'level="asInvoker"' "$setup"
  check "its manifest never asks for administrator" bash -c "! grep -aq requireAdministrator '$setup'"
}

# A second build from a copy of the sources at another path, with build and output folders
# of its own and the commit's time given rather than read from git, in another time zone,
# locale, umask and clock, gives the same bytes. A checkout with uncommitted changes is
# refused without --uncommitted.
test_a_second_build_elsewhere_gives_the_same_packages() {
  prefix=""
  if [ -n "${TARVIO_EXE_WIN32:-}${TARVIO_EXE_WIN64:-}${TARVIO_DOCS_DIR:-}" ]; then
    skip "the packages were made from given files, not from these sources"
    return
  fi
  local copy=$work/rebuild/elsewhere/tarvio packages=$work/rebuild/packages
  mkdir -p "$copy"
  tar -C "$PWD" --exclude=./build --exclude=./.git -cf - . | tar -C "$copy" -xf -
  git -C "$copy" init -q && git -C "$copy" add -A &&
    git -C "$copy" -c user.name=t -c user.email=t@t commit -qm copy && touch "$copy/uncommitted"
  check "a checkout with uncommitted changes is refused" bash -c \
    'bash "$0/scripts/package.sh" --out "$0/refused" 2>&1 | grep -q "not committed" && [ ! -e "$0/refused" ]' "$copy"
  rm -rf "$copy/.git" "$copy/uncommitted"
  # Another time zone (UTC+14), locale, umask and clock (400 days on) than the first build's;
  # the files' times as stored stay (libfaketime would shift what stat says too).
  if ! (umask 077 && SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)} TZ=Pacific/Kiritimati \
    LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 env -u TARVIO_BUILD_DIR_WIN32 -u TARVIO_BUILD_DIR_WIN64 NO_FAKE_STAT=1 faketime -f +400d \
    bash "$copy/scripts/package.sh" --out "$packages") >"$work/rebuild.log" 2>&1; then
    fail "second build failed: $work/rebuild.log"
    return
  fi
  local dir
  for dir in "$work/shipped" "$packages"; do
    check "SHA256SUMS matches the packages in $dir" bash -c 'cd "$0" && sha256sum --quiet -c SHA256SUMS' "$dir"
  done
  check "both builds hold the same bytes" bash scripts/compare-packages.sh "$work/shipped" "$packages"
  [ "$current_ok" -eq 1 ] && rm -rf "$work/rebuild"
}

test_32_bit_windows_install_update_refusal_uninstall_and_own_folder() {
  new_prefix win32
  local dir own own_win='C:\Meine Programme\Tarvio' rc
  dir=$(unix_path "$default_dir_win")
  own=$(unix_path "$own_win")

  # Outside the user's profile the folder must be made the user's own by the system's icacls:
  # without it, a silent install there ends with exit code 4 and leaves nothing, while the
  # default folder, inside the profile, needs none.
  local icacls="$prefix/drive_c/windows/system32/icacls.exe"
  mv "$icacls" "$icacls.away"
  check "silent install outside the profile refused without icacls" install_silently 4 '/D=C:\Tarvio'
  check "nothing made outside the profile" test ! -e "$(unix_path 'C:\Tarvio')"
  check "silent install succeeds" install_silently 0
  mv "$icacls.away" "$icacls"
  installed_files_ok "$dir" "$exe32"
  check "Start-menu entry exists" test -f "$(start_menu_entry)"
  values_are "$uninst_key" DisplayName=Tarvio DisplayVersion="$version" Publisher=Tarvio \
    UninstallString="\"$default_dir_win\\uninstall.exe\"" QuietUninstallString="\"$default_dir_win\\uninstall.exe\" /S" \
    InstallLocation="$default_dir_win" NoModify=dword:00000001 NoRepair=dword:00000001
  local size
  size=$(reg "$uninst_key" EstimatedSize)
  check "EstimatedSize is a DWORD of some KB ($size)" \
    bash -c '[[ "$0" =~ ^dword:([0-9a-f]{8})$ ]] && (( 16#${BASH_REMATCH[1]} > 0 ))' "$size"
  values_are "$run_key" Tarvio="\"$default_dir_win\\tarvio.exe\""  # a new installation starts with Windows
  check "nothing written machine-wide" bash -c "! grep -qi tarvio '$prefix/system.reg'"

  # An update with /NOAUTOSTART over an installation the user has changed.
  printf '%s' "$user_plan" >"$dir/Provider.INI"
  printf 'old program' >"$dir/tarvio.exe"
  rm -f "$dir/hilfe.htm"
  check "update with /NOAUTOSTART" install_silently 0 /NOAUTOSTART
  check "user's Provider.INI unchanged" test "$(cat "$dir/Provider.INI")" = "$(printf '%s' "$user_plan")"
  check "program replaced" same_file "$dir/tarvio.exe" "$exe32"
  check "help page back" same_file "$dir/hilfe.htm" "$docs/hilfe.htm"
  values_are "$uninst_key" InstallLocation="$default_dir_win"
  values_are "$run_key" "Tarvio=<missing>"

  # While Tarvio runs, neither install nor uninstall goes ahead.
  check "no window of Tarvio's class before the start" test -z "$(running_program 0)"
  start_installed
  rm -f "$dir/hilfe.htm"
  in_wine cmd /c "$setup_win /S"
  rc=$?
  check "silent install refused while Tarvio runs (exit $rc)" test "$rc" -eq 3
  check "refused install changed nothing" test ! -e "$dir/hilfe.htm"
  in_wine "$default_dir_win\\uninstall.exe" /S "_?=$default_dir_win"
  rc=$?
  check "silent uninstall refused while Tarvio runs (exit $rc)" test "$rc" -eq 3
  check "refused uninstall removed nothing" test -f "$dir/tarvio.exe"
  values_are "$uninst_key" DisplayName=Tarvio
  stop_installed

  # An update without options, once Tarvio has ended, keeps the autostart choice: off.
  check "update goes ahead once Tarvio has ended" install_silently 0
  check "help page installed then" test -f "$dir/hilfe.htm"
  values_are "$run_key" "Tarvio=<missing>"
  # Removal takes an autostart entry made by hand too, unquoted.
  bash scripts/wine-run.sh "$prefix" "$driver" reg-set HKCU "$run_key" Tarvio "$default_dir_win\\tarvio.exe"

  check "Start-menu entry before the uninstall" test -f "$(start_menu_entry)"
  uninstall_silently "$default_dir_win"
  local f
  for f in tarvio.exe hilfe.htm uninstall.exe; do
    check "$f removed" test ! -e "$dir/$f"
  done
  check "user's Provider.INI stays" test "$(cat "$dir/Provider.INI" 2>/dev/null)" = "$(printf '%s' "$user_plan")"
  check "nothing else left in the folder" test "$(ls -A "$dir" 2>/dev/null)" = Provider.INI
  check "Start-menu entry removed" test ! -e "$(start_menu_entry)"
  values_are "$run_key" "Tarvio=<missing>"
  check "registration removed" bash -c "! grep -qi 'CurrentVersion\\\\\\\\Uninstall\\\\\\\\Tarvio\]' '$prefix/user.reg'"

  # A folder of the user's choice, with a blank in its name; updates follow it there.
  check "silent install with /AUTOSTART into a folder with a blank" \
    install_silently 0 /AUTOSTART "/D=$own_win"
  installed_files_ok "$own" "$exe32"
  values_are "$run_key" Tarvio="\"$own_win\\tarvio.exe\""
  values_are "$uninst_key" InstallLocation="$own_win"
  rm -f "$own/hilfe.htm"
  check "update with /NOAUTOSTART, without /D" install_silently 0 /NOAUTOSTART
  check "update went to the same folder" test -f "$own/hilfe.htm"
  check "nothing installed into the default folder" test "$(ls -A "$dir")" = Provider.INI
  values_are "$run_key" "Tarvio=<missing>"
  # Removed, it leaves the plan in that folder; installed there again, the folder still counts as
  # the user's own.
  uninstall_silently "$own_win"
  check "the plan kept in the folder of the user's choice" test "$(ls -A "$own")" = Provider.INI
  check "installed again where the plan was kept" install_silently 0 "/D=$own_win"
}

test_64_bit_windows_gets_the_64_bit_program() {
  new_prefix win64
  local dir rc
  dir=$(unix_path "$default_dir_win")
  check "silent install succeeds" install_silently 0
  installed_files_ok "$dir" "$exe64"
  # The 32-bit installer finds the 64-bit program's window.
  start_installed
  in_wine cmd /c "$setup_win /S"
  rc=$?
  check "silent install refused while Tarvio runs (exit $rc)" test "$rc" -eq 3
  stop_installed
}

# Windows 98 as Wine plays it (Wine still exports every function then: the table of first
# versions is what proves the loader's floor), without user profiles: no per-user
# application data folder, so the installer takes Program Files.
test_windows_98_install_start_update_uninstall() {
  new_prefix win32
  local folders='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer' dir dir_win='C:\Program Files\Tarvio'
  in_wine reg add 'HKCU\Software\Wine' /v Version /d win98 /f
  in_wine reg add "$folders\\User Shell Folders" /v 'Local AppData' /d 'Q:\keine' /f
  in_wine reg add "$folders\\Shell Folders" /v 'Local AppData' /d 'Q:\keine' /f
  settle
  dir=$(unix_path "$dir_win")
  check "silent install succeeds" install_silently 0
  installed_files_ok "$dir" "$exe32"
  values_are "$run_key" Tarvio="\"$dir_win\\tarvio.exe\""  # a new installation starts with Windows
  # Listed where the control panel of 98 and ME looks: the machine's key alone.
  root=HKLM values_are "$uninst_key" DisplayName=Tarvio UninstallString="\"$dir_win\\uninstall.exe\"" \
    InstallLocation="$dir_win"
  values_are "$uninst_key" "DisplayName=<missing>"
  start_installed "$dir_win"
  stop_installed
  rm -f "$dir/hilfe.htm"
  in_wine reg delete "HKCU\\$run_key" /v Tarvio /f  # the user switched the autostart off
  # With a per-user folder since (profiles switched on), the update still follows the entry.
  in_wine reg delete "$folders\\User Shell Folders" /v 'Local AppData' /f
  in_wine reg delete "$folders\\Shell Folders" /v 'Local AppData' /f
  check "update succeeds" install_silently 0
  check "help page back" same_file "$dir/hilfe.htm" "$docs/hilfe.htm"
  values_are "$run_key" "Tarvio=<missing>"  # an update of 98 found in the machine's key keeps it off
  bash scripts/wine-run.sh "$prefix" "$driver" reg-set HKCU "$run_key" Tarvio "\"$dir_win\\tarvio.exe\""
  uninstall_silently "$dir_win"
  check "only the plan is left" test "$(ls -A "$dir" 2>/dev/null)" = Provider.INI
  values_are "$run_key" "Tarvio=<missing>"
  root=HKLM values_are "$uninst_key" "DisplayName=<missing>"
}

start=$(date +%s)
for t in \
  test_packages_hold_what_ships \
  test_a_second_build_elsewhere_gives_the_same_packages \
  test_32_bit_windows_install_update_refusal_uninstall_and_own_folder \
  test_windows_98_install_start_update_uninstall \
  test_64_bit_windows_gets_the_64_bit_program; do
  run_test "$t"
done
echo "installer tests took $(( $(date +%s) - start )) s"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]

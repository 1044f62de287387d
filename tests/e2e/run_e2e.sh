#!/usr/bin/env bash
# One end-to-end scenario of tarvio.exe under Wine:
#   run_e2e.sh SCENARIO WORKDIR TARVIO_EXE DRIVER_EXE WINE_RUN MARK_DLL MARK_EXE
# Each scenario starts the program once and checks many things in that one run, as a
# user would meet them. Every wait polls for its condition with a time limit.
set -euo pipefail
scenario="$1"; work_root="$2"; tarvio_exe="$3"; driver_exe="$4"; wine_run="$5"; mark_dll="$6"; mark_exe="$7"

# Windows need a display; without one, run under a virtual one.
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a bash "$0" "$@"; fi

prefix="$work_root/wineprefix"
# A Japanese Windows, ANSI code page 932, is a prefix of its own.
if [ "$scenario" = names_in_a_double_byte_code_page ]; then
  prefix="$work_root/wineprefix-ja"
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
fi
# Every wait of a scenario has its own limit, so a scenario that runs out of time has
# met a Wine that hangs, which under qemu's emulation happens now and then while a
# process starts (see end_wine_of in scripts/wine-common.sh). Such a scenario is run
# once more, after every process of its prefix has ended.
if [ -z "${E2E_ATTEMPT:-}" ]; then
  for attempt in 1 2; do
    status=0
    E2E_ATTEMPT=$attempt timeout "${E2E_ATTEMPT_SECONDS:-240}" bash "$0" "$@" || status=$?
    [ "$status" -eq 124 ] || exit "$status"
    echo "run_e2e.sh: $scenario ran out of time (attempt $attempt of 2)" >&2
    "$wine_run" "$prefix" --end
  done
  exit 124
fi
# One Wine server for the whole suite: it stays up a while after the last program ends,
# so the next scenario does not pay for its start.
"$wine_run" "$prefix" "$driver_exe" wait-gone 0 >/dev/null 2>&1 || true  # its width sets the prefix's
"$wine_run" "$prefix" wineserver -p30 >/dev/null 2>&1 || true
dir="$work_root/$scenario"
rm -rf "$dir"; mkdir -p "$dir"
# SCENARIO_on_windows_98: the scenario with Wine playing Windows 98 for tarvio.exe alone
# (the driver stays as it is); Wine still exports every function then.
windows_version=""
if [[ "$scenario" == *_on_windows_98 ]]; then
  scenario=${scenario%_on_windows_98}
  windows_version=win98
fi
cp "$tarvio_exe" "$dir/tarvio.exe"

# The console under Wine ends lines with CR LF; the scenarios compare plain lines.
drv() { "$wine_run" "$prefix" "$driver_exe" "$@" | tr -d '\r'; }
fail() { echo "FAIL ($scenario): $*" >&2; exit 1; }
expect() {  # expect WHAT EXPECTED ACTUAL
  [ "$2" == "$3" ] || fail "$1: expected [$2], got [$3]"
}
never() {  # never WHAT DRIVER-WAIT...: the wait must time out
  local what="$1"; shift
  if drv "$@" 2>/dev/null; then fail "$what"; fi
}
launch() {  # starts a copy in the background; its pid goes into $last_pid
  "$wine_run" "$prefix" "$dir/tarvio.exe" >>"$dir/tarvio.log" 2>&1 &
  last_pid=$!
}
start() {  # starts the program and waits until it runs hidden with its start-up done
  launch
  drv wait-visible 0 20000 || fail "no hidden window"
  "$@"  # a check of the program before its window was ever shown
  drv show 20000 || fail "start-up does not end"
  drv click 1003
  drv wait-visible 0 5000 || fail "window not hidden"
}
show() {
  drv post 1024 0 513
  drv wait-visible 1 5000 || fail "window not shown"
}
exited() {  # exited PID: the Wine process of that program has ended
  timeout 10 tail --pid="$1" -f /dev/null || fail "process $1 still runs"
}
ended() {  # ended PID: the window and then the process are gone
  drv wait-gone 5000 || fail "window stays"
  exited "$1"
}
# Whatever a failed scenario left running ends with the prefix's processes.
trap '[ $? -eq 0 ] || "$wine_run" "$prefix" wineserver -k >/dev/null 2>&1' EXIT
app_defaults='Software\Wine\AppDefaults\tarvio.exe'
drv reg-del-value HKCU "$app_defaults" Version
[ -z "$windows_version" ] || drv reg-set HKCU "$app_defaults" Version "$windows_version"

ras='remoteaccess'
ics='System\CurrentControlSet\Services\ICSharing\Settings\General'
autodial='Software\Microsoft\RAS Autodial\Default'
exit_question='Wenn Sie Tarvio jetzt beenden, können Ihre Internetverbindungen nicht mehr überwacht werden!\r\rSoll Tarvio wirklich beendet werden?'
report() {  # report DAYTYPE TIME NAME: the text of the message about an unknown entry
  printf "Der für %s ab %s Uhr vorgesehene Provider '%s'\\\\rkonnte im Dfü-Netzwerk nicht gefunden werden.\\\\r\\\\rBitte überprüfen Sie diesen Punkt." "$@"
}
plan() {  # plan LINES...: Provider.INI beside the program, CR LF lines as Notepad writes them
  : >"$dir/Provider.INI"
  for line in "$@"; do printf '%s\r\n' "$line" >>"$dir/Provider.INI"; done
}
save_as() {  # save_as FORM: the plan as Notepad saves it: UTF-8, UTF-8-BOM, UTF-16LE (these two with a mark), CP1252
  local file="$dir/Provider.INI" mark=""
  case "$1" in UTF-8-BOM) mark='\xEF\xBB\xBF' ;; UTF-16LE) mark='\xFF\xFE' ;; esac
  { printf "$mark"; iconv -f UTF-8 -t "${1%-BOM}" "$file"; } >"$file.new" && mv "$file.new" "$file"
}

case "$scenario" in
a_day_with_tarvio)
  # Seeded in spellings and values that no write of the program would produce, so any
  # write at start-up shows.
  # A name too long for the icon's tip beside the rest of it.
  long="Zeittarif $(printf 'mit langem Namen %.0s' 1 2 3 4 5)Ende"
  drv seed tagtarif 299 Tagtarif Nachttarif Abendtarif Büro "$long"
  drv reg-set HKLM "$autodial" DefaultInternet Firmennetz
  # The sample plan that ships names no connection, whatever the machine has: a first start
  # shows no message (its example lines name the entries seeded here). Nothing of OLE at
  # start: the program imports none of it and loads none on the way.
  cp "$(dirname "$0")/../../docs/Provider.INI" "$dir/Provider.INI"
  start eval 'expect "OLE at start" tarvio.exe "$(drv modules | grep -E "^(tarvio\.exe|ole32\.dll|oleaut32\.dll)$" | paste -sd" ")"'
  never "the sample plan gave a message" wait-box 0
  drv wait-tip Tarvio 5000 || fail "tip without a plan"
  show
  expect "the sample plan's lines" "" "$(drv items 104 ';' items 105)"
  expect "connections" "Abendtarif,Büro,Nachttarif,Tagtarif,$long" "$(drv items 101 | paste -sd,)"
  expect "current connection" "3 Tagtarif" "$(drv selection 101)"
  expect "delay items" "90 1 10 90" "$(drv items 102 | awk 'NR==1{f=$0} NR==10{t=$0} END{print NR, f, t, $0}')"
  expect "delay, unit" "4 5|1 min" "$(drv selection 102)|$(drv selection 103)"
  expect "connection list disabled" "0" "$(drv enabled 101)"
  expect "caption" "Tarvio" "$(drv caption)"
  expect "start-up wrote nothing" "tagtarif tagtarif tagtarif 299 Firmennetz" \
    "$( { drv reg-get HKCU $ras InternetProfile Default; drv reg-get HKCU "$autodial" DefaultInternet
          drv reg-get HKLM "$ics" HangupTimer; drv reg-get HKLM "$autodial" DefaultInternet; } | paste -sd' ')"

  # Layout at 96 dpi, one control of each kind: id (0 the client area), then left top
  # width height, the twips of its place divided by 15 and rounded.
  while read -r id want; do
    expect "rect $id" "$want" "$(drv rect "$id")"
  done <<'RECTS'
0 0 0 590 162
120 4 4 189 97
101 12 24 173 21
110 12 56 73 33
104 208 24 173 67
1003 484 124 93 25
RECTS
  expect "first focus" "1003" "$(drv focus)"
  expect "tab order" "1003 102 103 104 105 1005 1010 1004 1006 1002" "$(drv taborder | paste -sd' ')"
  expect "frame caption" 'Providerliste "Werktags"' "$(drv caption 121)"
  expect "button caption" "&Listen aktualisieren" "$(drv caption 1002)"

  # The keyboard: Esc and plain letters do nothing; Enter, space and Alt with the access
  # key press the button.
  drv key 27
  drv char a
  drv char e
  never "Esc or a plain letter hid the window" wait-visible 0 1500
  never "a plain letter asked something" wait-box 200
  for keys in "key 13" "key 32" "char a alt"; do
    drv $keys
    drv wait-visible 0 5000 || fail "$keys on Ausblenden did not hide"
    show
  done

  # The icon: releases and moves show nothing; presses show, and a shown window stays.
  drv post 274 61536 0  # the title bar's close
  drv wait-visible 0 5000 || fail "title bar close did not hide"
  never "title bar close asked something" wait-box 200
  drv post 1024 0 514
  drv post 1024 0 512
  never "release or move showed the window" wait-visible 1 1500
  drv post 1024 0 516
  drv wait-visible 1 5000 || fail "right button did not show the window"
  drv post 1024 0 513
  expect "still visible" "1" "$(drv visible)"

  # A choice in either list stores the time at once, in seconds.
  drv choose 102 44
  drv choose 103 0
  drv wait-reg HKLM "$ics" HangupTimer 45 5000 || fail "HangupTimer not stored"
  # Tab to the number, three arrow steps through the closed list: no step is stored; 48 is
  # when the focus leaves the list (the end of the day finds it).
  drv key 9 40 40 40
  never "an arrow step was stored" wait-reg HKLM "$ics" HangupTimer 48 1000
  drv key 9

  # The info dialog gives its first button the focus at every opening.
  for opening in first second; do
    drv click 1005
    drv wait-visible 1 5000 info || fail "no info dialog"
    expect "info focus, $opening opening" "10" "$(drv focus info)"
    [ $opening = second ] || expect "info rects: picture, button" "8 8 109 409 128 380 97 37" \
      "$(drv rect 1 info ';' rect 10 info | paste -sd' ')"
    # The picture as its bitmap has it, 1:1 at 96 dpi: the sky, the clock's hand and face,
    # the roof, the house and the ground, in the bitmap's own colours.
    [ $opening = second ] || expect "picture" "000080 000080 ffff00 ffff00 c0c0c0 1010a0" \
      "$(drv pixels 1 5 5 54 60 54 80 54 230 54 270 50 350 info)"
    drv click 13 info
    drv wait-gone 5000 info || fail "info dialog stays"
  done
  expect "picture decoder after the dialog" "tarvio.exe" \
    "$(drv modules | grep -E '^(tarvio\.exe|oleaut32\.dll|windowscodecs\.dll)$' | paste -sd' ')"

  # The plan saved in each form Notepad offers, a comment and a name with an umlaut in it:
  # "Listen aktualisieren" switches to that name (set back before) without a message. A
  # message would wait for its answer, and no later "Listen aktualisieren" read. The timer's
  # message comes sooner than its five seconds would bring it.
  for form in UTF-8 UTF-8-BOM UTF-16LE CP1252; do
    plan '; Plan für das Büro' '[Werktags]' '00:00=Büro' '[Wochenende]' '00:00=Büro'
    save_as "$form"
    drv reg-set HKCU $ras InternetProfile Abendtarif ';' click 1002 ';' \
      wait-reg HKCU $ras InternetProfile Büro 10000 tick || fail "plan in $form not applied"
  done
  never "a plan with umlauts gave a message" wait-box 0

  # The edited plan, applied after "Listen aktualisieren"; the tip tells the next change,
  # cut where the shell's 127 bytes end.
  while [[ "$(date +%H%M)" > 2355 ]]; do sleep 5; done  # 23:59 must stay ahead to the last tip
  plan '[Werktags]' '00:00=Abendtarif' "23:59=$long" '[Wochenende]' '00:00=Abendtarif' "23:59=$long"
  drv click 1002
  drv wait-reg HKCU $ras InternetProfile Abendtarif 10000 || fail "edited plan not applied"
  expect "Default, DefaultInternet" "Abendtarif Abendtarif" "$(drv reg-get HKCU $ras Default) $(drv reg-get HKCU "$autodial" DefaultInternet)"
  expect "machine DefaultInternet untouched" "Firmennetz" "$(drv reg-get HKLM "$autodial" DefaultInternet)"
  drv wait-tip "$(printf '%.124s...' "Tarvio: Abendtarif, ab 23:59 $long")" 5000 || fail "tip after the switch"
  expect "workday plan" "00:00 Abendtarif|23:59 $long" "$(drv items 104 | paste -sd'|')"
  expect "shown connection" "0 Abendtarif" "$(drv selection 101)"
  # A re-read that changes only the next change: the tip follows without a switch.
  plan '[Werktags]' '00:00=Abendtarif' '23:59=Nachttarif' '[Wochenende]' '00:00=Abendtarif' '23:59=Nachttarif'
  drv click 1002
  drv wait-tip "Tarvio: Abendtarif, ab 23:59 Nachttarif" 5000 || fail "tip after the re-read"

  # The exit question holds the window; No gives the focus back to a control of it.
  drv click 1004
  expect "question" "$exit_question" "$(drv wait-box 5000)"
  expect "window held while asking" "0" "$(drv enabled)"
  drv press-box 7
  expect "after No" "1 1" "$(drv visible) $(drv enabled)"
  [ "$(drv focus)" != 0 ] || fail "no control has the focus after No"
  drv click 1004
  drv wait-box 5000 >/dev/null
  drv press-box 6
  ended "$last_pid"
  expect "nothing restored" "Abendtarif 48" "$(drv reg-get HKCU $ras InternetProfile) $(drv reg-get HKLM "$ics" HangupTimer)"
  ;;
unknown_entries_do_not_stop_the_clock)
  # Today's plan names a known connection, the other day type an unknown one; the report
  # waits for an answer while the clock applies today's plan.
  while [ "$(date +%H%M)" = 2359 ]; do sleep 1; done  # the day type must hold for a while
  if [ "$(date +%u)" -ge 6 ]; then
    plan '[Werktags]' '00:00=Unbekannt' '[Wochenende]' '00:00=Nachttarif' '09:30=Nirgends'
    other_day=Werktags today_day=Wochenende
  else
    plan '[Werktags]' '00:00=Nachttarif' '09:30=Nirgends' '[Wochenende]' '00:00=Unbekannt'
    other_day=Wochenende today_day=Werktags
  fi
  drv seed Tagtarif 300 Tagtarif Nachttarif Abendtarif
  # Without dial-up networking's library, as on a Windows 98 without that component: the
  # program starts all the same and knows the registry's entries.
  WINEDLLOVERRIDES="mscoree,mshtml=;rasapi32=d" launch
  expect "first report" "$(report "$other_day" 00:00 Unbekannt)" "$(drv wait-box 20000)"
  for value in "$ras|InternetProfile" "$ras|Default" "$autodial|DefaultInternet"; do
    drv wait-reg HKCU "${value%|*}" "${value#*|}" Nachttarif 10000 || fail "${value#*|} not written while the report waits"
  done
  expect "report still open, window hidden" "0" "$(drv wait-box 0 >/dev/null && drv visible)"
  drv press-box 1
  expect "second report" "$(report "$today_day" 09:30 Nirgends)" "$(drv wait-box 5000)"
  drv press-box 1
  never "an entry was reported twice" wait-box 1000
  # "Listen aktualisieren" reports again; the Task Manager's close does not wait for the answer.
  drv click 1002
  expect "first report again" "$(report "$other_day" 00:00 Unbekannt)" "$(drv wait-box 20000)"
  drv post 16 0 0
  ended "$last_pid"
  ;;
second_start_and_end_of_session)
  # Windows XP and later: no InternetProfile, the user's DefaultInternet names the connection.
  drv seed Tagtarif 300 Tagtarif Nachttarif Abendtarif
  drv reg-del-value HKCU $ras InternetProfile
  drv reg-set HKCU "$autodial" DefaultInternet abendtarif
  plan '[Werktags]' '[Wochenende]'
  start
  first=$last_pid
  expect "current connection" "0 Abendtarif" "$(drv selection 101)"
  expect "nothing written" "<missing> abendtarif" "$(drv reg-get HKCU $ras InternetProfile) $(drv reg-get HKCU "$autodial" DefaultInternet)"
  # A second start says so, then the running copy shows its window (hidden until then).
  launch
  expect "refusal" "Tarvio wird bereits ausgeführt." "$(drv wait-box 20000)"
  drv press-box 1
  exited "$last_pid"
  kill -0 "$first" || fail "first instance ended"
  expect "first shows its window, nothing written" "1 <missing>" "$(drv wait-visible 1 5000 && drv visible) $(drv reg-get HKCU $ras InternetProfile)"
  # A standard user may not write below HKLM\System: a refused idle time is told once and
  # the lists show the stored one again.
  drv reg-access HKLM "$ics" read
  drv choose 102 44
  [[ "$(drv wait-box 5000)" == *'"Als Administrator ausführen"'* ]] || fail "no way given for the refused idle time"
  drv press-box 1
  never "a second message" wait-box 1000
  expect "stored time shown and kept" "4 5|1 min|300" "$(drv selection 102)|$(drv selection 103)|$(drv reg-get HKLM "$ics" HangupTimer)"
  # By keyboard: three steps ask nothing, leaving the list tells the refusal once.
  drv key 9 40 40 40
  never "a message for a step" wait-box 1000
  drv key 9
  drv press-box 1 || fail "no message when the focus left"
  never "a second message for one choice" wait-box 1000
  expect "session may end" "1" "$(drv end-session)"
  ended "$first"
  ;;
names_in_a_double_byte_code_page)
  # Entries named in Japanese, a plan written in code page 932 as Notepad saves it there.
  drv seed 日本語 300 日本語 テスト接続
  plan '[Werktags]' '00:00=テスト接続' '[Wochenende]' '00:00=テスト接続'
  iconv -f UTF-8 -t CP932 "$dir/Provider.INI" >"$dir/plan.932" && mv "$dir/plan.932" "$dir/Provider.INI"
  start
  expect "connections" "テスト接続,日本語" "$(drv items 101 | paste -sd,)"
  for value in "$ras|InternetProfile" "$ras|Default" "$autodial|DefaultInternet"; do
    drv wait-reg HKCU "${value%|*}" "${value#*|}" テスト接続 10000 || fail "${value#*|} not switched"
  done
  expect "shown connection" "0 テスト接続" "$(drv selection 101)"
  drv wait-tip "Tarvio: テスト接続" 5000 || fail "tip in code page 932"
  drv post 16 0 0
  ended "$last_pid"
  ;;
nothing_beside_the_program_runs_as_it)
  # A DLL and an editor of the same names as the system's beside the program, as in a
  # Downloads folder, with Wine preferring a DLL it finds on the search path as Windows
  # does: neither may run, while the program switches and "Listen bearbeiten" opens the
  # system's editor on the plan.
  cp "$mark_dll" "$dir/rasapi32.dll"
  cp "$mark_exe" "$dir/notepad.exe"
  drv seed Tagtarif 300 Tagtarif Nachttarif
  plan '[Werktags]' '00:00=Nachttarif' '[Wochenende]' '00:00=Nachttarif'
  WINEDLLOVERRIDES="mscoree,mshtml=;rasapi32=n,b" start
  drv wait-reg HKCU $ras InternetProfile Nachttarif 10000 || fail "no switch"
  drv click 1006
  drv window Notepad "Provider.INI - Notepad" 20000 close || fail "no editor on the plan"
  for planted in rasapi32.dll notepad.exe; do
    [ ! -e "$dir/$planted.mark" ] || fail "the planted $planted ran"
  done
  drv post 16 0 0
  ended "$last_pid"
  ;;
*)
  fail "unknown scenario"
  ;;
esac
[ -z "$windows_version" ] || drv reg-del-value HKCU "$app_defaults" Version
echo "ok $scenario${windows_version:+ ($windows_version)}"

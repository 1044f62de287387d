#!/usr/bin/env bash
# One end-to-end test of tarvio.exe under Wine:
#   run_e2e.sh TEST WORKDIR TARVIO_EXE DRIVER_EXE WINE_RUN
# Every wait polls for its condition with a time limit; nothing sleeps blindly.
set -euo pipefail
test_name="$1"; work_root="$2"; tarvio_exe="$3"; driver_exe="$4"; wine_run="$5"

# Windows need a display; without one, run under a virtual one.
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a bash "$0" "$@"; fi

prefix="$work_root/wineprefix"
# One Wine server for the whole suite: it stays up a while after the last program ends,
# so the next test does not pay for its start.
wineserver=/usr/lib/wine/wineserver
command -v wineserver >/dev/null 2>&1 && wineserver=$(command -v wineserver)
"$wine_run" "$prefix" "$driver_exe" windows >/dev/null 2>&1 || true  # its width sets the prefix's
WINEPREFIX="$prefix" "$wineserver" -p30 >/dev/null 2>&1 || true
dir="$work_root/$test_name"
rm -rf "$dir"; mkdir -p "$dir"
cp "$tarvio_exe" "$dir/tarvio.exe"
program="$dir/tarvio.exe"
pids=()

# The console under Wine ends lines with CR LF; the tests compare plain lines.
drv() { "$wine_run" "$prefix" "$driver_exe" "$@" | tr -d '\r'; }
fail() { echo "FAIL ($test_name): $*" >&2; exit 1; }
expect() {  # expect WHAT EXPECTED ACTUAL
  [ "$2" == "$3" ] || fail "$1: expected [$2], got [$3]"
}
start_tarvio() {  # starts a copy in the background; its pid goes into $last_pid
  "$wine_run" "$prefix" "$program" >>"$dir/tarvio.log" 2>&1 &
  last_pid=$!
  pids+=("$last_pid")
}
wait_exit() {  # wait_exit PID SECONDS: the Wine process of that program has ended
  local pid="$1" until=$((SECONDS + $2))
  while kill -0 "$pid" 2>/dev/null; do
    [ $SECONDS -lt "$until" ] || fail "process $pid still runs"
    sleep 0.1
  done
}
cleanup() {
  # Whatever a failed test left running: asked to close as the Task Manager would, then ended.
  for pid in "${pids[@]}"; do
    if kill -0 "$pid" 2>/dev/null; then
      drv close >/dev/null 2>&1 || true
      for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
      kill "$pid" 2>/dev/null || true
    fi
  done
}
trap cleanup EXIT

hkcu_ras='remoteaccess'
profiles='remoteaccess\Profile'
ics='System\CurrentControlSet\Services\ICSharing\Settings\General'
autodial='Software\Microsoft\RAS Autodial\Default'

# A clean registry state of our own for every test: three dial-up entries, a current
# connection (in both per-user places, none machine-wide), a stored idle time.
seed() {  # seed INTERNETPROFILE HANGUPTIMER
  drv seed "$1" "$2" Tagtarif Nachttarif Abendtarif
}
plan() {  # plan LINES...: Provider.INI beside the program, CR LF lines as Notepad writes them
  : >"$dir/Provider.INI"
  for line in "$@"; do printf '%s\r\n' "$line" >>"$dir/Provider.INI"; done
}
started_hidden() {
  drv wait-window 20000 || fail "no window"
  expect "hidden while starting" "0" "$(drv visible)"
  # The window shows on the icon's click only once start-up is over; hidden again at once.
  drv show 20000 || fail "start-up does not end"
  drv click 1003
  drv wait-visible 0 5000 || fail "window not hidden"
}
show() {
  drv post 1024 0 513
  drv wait-visible 1 5000 || fail "window not shown"
}

case "$test_name" in
start_up_hides_and_fills_lists)
  seed Tagtarif 300
  plan '[Werktags]' '[Wochenende]'
  start_tarvio
  started_hidden
  expect "connections" "Abendtarif,Nachttarif,Tagtarif" "$(drv items 101 | paste -sd,)"
  expect "current connection" "2 Tagtarif" "$(drv selection 101)"
  expect "delay items" "90 1 10 90" "$(drv items 102 | awk 'NR==1{f=$0} NR==10{t=$0} END{print NR, f, t, $0}')"
  expect "delay" "4 5" "$(drv selection 102)"
  expect "unit" "1 min" "$(drv selection 103)"
  expect "connection list disabled" "0" "$(drv enabled 101)"
  expect "caption" "Tarvio" "$(drv caption)"
  expect "InternetProfile" "Tagtarif" "$(drv reg-get HKCU "$hkcu_ras" InternetProfile)"
  expect "Default" "Tagtarif" "$(drv reg-get HKCU "$hkcu_ras" Default)"
  expect "DefaultInternet" "Tagtarif" "$(drv reg-get HKCU "$autodial" DefaultInternet)"
  expect "machine DefaultInternet" "<missing>" "$(drv reg-get HKLM "$autodial" DefaultInternet)"
  expect "HangupTimer" "300" "$(drv reg-get HKLM "$ics" HangupTimer)"
  ;;
default_internet_selects_when_internet_profile_is_blank)
  seed Tagtarif 300
  drv reg-del-value HKCU "$hkcu_ras" InternetProfile
  drv reg-set HKCU "$autodial" DefaultInternet abendtarif
  plan '[Werktags]' '[Wochenende]'
  start_tarvio
  started_hidden
  expect "current connection" "0 Abendtarif" "$(drv selection 101)"
  expect "InternetProfile not written" "<missing>" "$(drv reg-get HKCU "$hkcu_ras" InternetProfile)"
  expect "DefaultInternet not written" "abendtarif" "$(drv reg-get HKCU "$autodial" DefaultInternet)"
  ;;
due_connection_written_within_ten_seconds)
  seed Tagtarif 300
  drv reg-set HKLM "$autodial" DefaultInternet Firmennetz
  plan '[Werktags]' '00:00=Nachttarif' '[Wochenende]' '00:00=Nachttarif'
  start_tarvio
  started_hidden
  drv wait-reg HKCU "$hkcu_ras" InternetProfile Nachttarif 10000 || fail "InternetProfile not written"
  drv wait-reg HKCU "$hkcu_ras" Default Nachttarif 1000 || fail "Default not written"
  drv wait-reg HKCU "$autodial" DefaultInternet Nachttarif 1000 || fail "DefaultInternet not written"
  expect "machine DefaultInternet untouched" "Firmennetz" "$(drv reg-get HKLM "$autodial" DefaultInternet)"
  expect "shown connection" "1 Nachttarif" "$(drv selection 101)"
  expect "workday plan" "00:00 Nachttarif" "$(drv items 104)"
  ;;
tray_messages_show_the_window)
  seed Tagtarif 300
  plan
  start_tarvio
  started_hidden
  drv post 1024 0 514
  drv post 1024 0 512
  if drv wait-visible 1 1500 2>/dev/null; then fail "release or move showed the window"; fi
  show
  drv click 1003
  drv wait-visible 0 5000 || fail "Ausblenden did not hide"
  drv post 1024 0 516
  drv wait-visible 1 5000 || fail "right button did not show the window"
  drv post 1024 0 513
  expect "still visible" "1" "$(drv visible)"
  ;;
title_bar_close_hides)
  seed Tagtarif 300
  plan
  start_tarvio
  started_hidden
  show
  drv close-titlebar
  drv wait-visible 0 5000 || fail "title bar close did not hide"
  if drv no-box 500; then :; else fail "a question was asked"; fi
  show
  kill -0 "$last_pid" || fail "program ended"
  ;;
layout_at_96_dpi)
  seed Tagtarif 300
  plan
  start_tarvio
  started_hidden
  show
  expect "client" "590 162" "$(drv client)"
  # id: left top width height, the twips table divided by 15 and rounded.
  while read -r id want; do
    expect "rect $id" "$want" "$(drv rect "$id")"
  done <<'RECTS'
120 4 4 189 97
101 12 24 173 21
110 12 56 73 33
102 88 60 49 21
103 140 60 45 21
121 200 4 189 97
104 208 24 173 67
122 396 4 189 97
105 404 24 173 67
123 4 108 581 49
1005 12 124 57 25
1010 72 124 57 25
1004 132 124 57 25
1006 208 124 109 25
1002 320 124 109 25
1003 484 124 93 25
RECTS
  expect "first focus" "1003" "$(drv focus)"
  expect "tab order" "1003 102 103 104 105 1005 1010 1004 1006 1002" "$(drv taborder | paste -sd' ')"
  expect "frame caption" 'Providerliste "Werktags"' "$(drv caption 121)"
  expect "button caption" "&Listen aktualisieren" "$(drv caption 1002)"
  ;;
keyboard_enter_hides_escape_does_nothing)
  seed Tagtarif 300
  plan
  start_tarvio
  started_hidden
  show
  drv key 27
  if drv wait-visible 0 1500 2>/dev/null; then fail "Esc hid the window"; fi
  drv no-box 200 || fail "Esc asked something"
  drv key 13
  drv wait-visible 0 5000 || fail "Enter on Ausblenden did not hide"
  show
  drv key 32
  drv wait-visible 0 5000 || fail "space on Ausblenden did not hide"
  ;;
end_answered_no_then_yes)
  seed Tagtarif 300
  plan
  start_tarvio
  started_hidden
  show
  question='Wenn Sie Tarvio jetzt beenden, können Ihre Internetverbindungen nicht mehr überwacht werden!\r\rSoll Tarvio wirklich beendet werden?'
  drv click 1004
  expect "question" "$question" "$(drv wait-box 5000)"
  drv press-box 7
  expect "visible after No" "1" "$(drv visible)"
  drv click 1004
  expect "question" "$question" "$(drv wait-box 5000)"
  drv press-box 6
  drv wait-gone 5000 || fail "window stays after Yes"
  wait_exit "$last_pid" 10
  expect "nothing restored" "Tagtarif" "$(drv reg-get HKCU "$hkcu_ras" InternetProfile)"
  ;;
second_start_is_refused)
  seed Tagtarif 300
  plan
  start_tarvio
  first=$last_pid
  started_hidden
  start_tarvio
  second=$last_pid
  expect "refusal" "Tarvio wird bereits ausgeführt." "$(drv wait-box 20000)"
  drv press-box 1
  wait_exit "$second" 10
  kill -0 "$first" || fail "first instance ended"
  expect "first still hidden" "0" "$(drv visible)"
  show
  expect "registry untouched" "Tagtarif 300" "$(drv reg-get HKCU "$hkcu_ras" InternetProfile) $(drv reg-get HKLM "$ics" HangupTimer)"
  ;;
hang_up_choice_written)
  seed Tagtarif 45
  plan
  start_tarvio
  started_hidden
  expect "stored 45 s" "44 45|0 sek" "$(drv selection 102)|$(drv selection 103)"
  show
  # number index, unit index, text written
  while read -r number unit want; do
    drv choose 102 "$number"
    drv choose 103 "$unit"
    drv wait-reg HKLM "$ics" HangupTimer "$want" 5000 || fail "HangupTimer for $number/$unit"
  done <<'TABLE'
44 0 45
4 1 300
89 1 5400
1 0 2
TABLE
  ;;
unknown_connection_reported_once_per_entry)
  seed Tagtarif 300
  plan '[Werktags]' '08:00=Unbekannt' '[Wochenende]' '09:30=Nirgends'
  start_tarvio
  expect "first report" "Der für Werktags ab 08:00 Uhr vorgesehene Provider 'Unbekannt'\rkonnte im Dfü-Netzwerk nicht gefunden werden.\r\rBitte überprüfen Sie diesen Punkt." "$(drv wait-box 20000)"
  drv press-box 1
  expect "second report" "Der für Wochenende ab 09:30 Uhr vorgesehene Provider 'Nirgends'\rkonnte im Dfü-Netzwerk nicht gefunden werden.\r\rBitte überprüfen Sie diesen Punkt." "$(drv wait-box 5000)"
  drv press-box 1
  started_hidden
  drv no-box 1000 || fail "an entry was reported twice"
  ;;
rebuild_applies_the_edited_plan)
  seed Tagtarif 300
  plan '[Werktags]' '00:00=Nachttarif' '[Wochenende]' '00:00=Nachttarif'
  start_tarvio
  started_hidden
  drv wait-reg HKCU "$hkcu_ras" InternetProfile Nachttarif 10000 || fail "first plan not applied"
  plan '[Werktags]' '00:00=Abendtarif' '[Wochenende]' '00:00=Abendtarif'
  show
  drv click 1002
  drv wait-reg HKCU "$hkcu_ras" InternetProfile Abendtarif 10000 || fail "edited plan not applied"
  expect "Default" "Abendtarif" "$(drv reg-get HKCU "$hkcu_ras" Default)"
  expect "DefaultInternet" "Abendtarif" "$(drv reg-get HKCU "$autodial" DefaultInternet)"
  expect "workday plan" "00:00 Abendtarif" "$(drv items 104)"
  ;;
end_of_session_ends_without_question)
  seed Tagtarif 300
  plan
  start_tarvio
  started_hidden
  expect "session may end" "1" "$(drv end-session)"
  drv wait-gone 5000 || fail "window stays at the end of the session"
  wait_exit "$last_pid" 10
  ;;
task_manager_close_ends)
  seed Tagtarif 300
  plan
  start_tarvio
  started_hidden
  drv close
  drv wait-gone 5000 || fail "window stays after WM_CLOSE"
  wait_exit "$last_pid" 10
  ;;
*)
  fail "unknown test"
  ;;
esac
echo "ok $test_name"

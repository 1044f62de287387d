#!/usr/bin/env bash
# Tarvio left running, measured: the 64-bit program under Wine, in a prefix and on a display
# of its own, with a plan that switches the connection every minute; every few minutes the
# driver opens and closes the info dialog and rebuilds the plan. Each switch is awaited in
# the registry and logged with the milliseconds it took from the start of its minute; what
# the program holds (working set, handles, GDI and USER objects, windows) is read from
# outside at the start, after each round of dialog and rebuild, and at the end.
#   scripts/soak.sh [MINUTES]     default 60; needs the win64 build; log in build/win64/soak/
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"; fi
minutes=${1:-60}
build=build/win64
work=$build/soak
prefix=$work/wineprefix
log=$work/soak.log
rm -rf "$work/program"
mkdir -p "$work/program"
# Copies: a build meanwhile changes neither the program nor the driver under the run.
cp "$build/src/program/tarvio.exe" "$build/tests/e2e/tarvio_driver.exe" "$build/tests/bench/tarvio_resources.exe" \
  "$work/program/"

due() {  # due HH MM: the connection of that minute, the same on every day
  if (((10#$1 * 60 + 10#$2) % 2 == 0)); then echo Tagtarif; else echo Nachttarif; fi
}
for day in Werktags Wochenende; do
  printf '[%s]\r\n' "$day"
  for hour in $(seq -w 0 23); do
    for minute in $(seq -w 0 59); do printf '%s:%s=%s\r\n' "$hour" "$minute" "$(due "$hour" "$minute")"; done
  done
done >"$work/program/Provider.INI"

drv() { scripts/wine-run.sh "$prefix" "$work/program/tarvio_driver.exe" "$@" | tr -d '\r'; }
held() { scripts/wine-run.sh "$prefix" "$work/program/tarvio_resources.exe" | tr -d '\r'; }
drv seed Abendtarif 300 Tagtarif Nachttarif Abendtarif
scripts/wine-run.sh "$prefix" "$work/program/tarvio.exe" >"$work/tarvio.out" 2>&1 &
drv wait-visible 0 60000 >/dev/null
sleep 10  # start-up done: the plan is built and the icon added
at_start=$(held)
: >"$log"
switches=0 late=0 slowest=0 warm=""
for ((round = 1; round <= minutes; round++)); do
  sleep $((60 - 10#$(date +%S)))
  begun=$(date +%s)
  want=$(due "$(date -d "@$begun" +%H)" "$(date -d "@$begun" +%M)")
  if drv wait-reg HKCU remoteaccess InternetProfile "$want" 59000; then
    took=$(($(date +%s%N) / 1000000 - begun * 1000))
    ((took <= slowest)) || slowest=$took
    switches=$((switches + 1))
  else
    took=late late=$((late + 1))
  fi
  echo "$(date -d "@$begun" +%H:%M) $want $took" >>"$log"
  if ((round % 5 == 1)); then
    drv click 1005
    drv wait-visible 1 10000 info
    drv click 13 info
    drv wait-gone 10000 info
    drv click 1002
    sleep 5
    now=$(held)
    echo "$(date +%H:%M) held $now" >>"$log"
    [ "$round" != 1 ] || warm=$now
  fi
done
at_end=$(held)
drv post 16 0 0  # as the Task Manager closes it
wait
echo "working set KiB, handles, GDI objects, USER objects, windows"
echo "start: $at_start"
echo "warm:  $warm"
echo "end:   $at_end"
echo "switches in their minute: $switches of $minutes, late: $late, slowest: $slowest ms after the minute began"

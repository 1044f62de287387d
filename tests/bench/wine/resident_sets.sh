#!/usr/bin/env bash
# Memory benchmark: what tarvio.exe holds against the least tray program with the same
# manifest (least_tray.exe), both started side by side in one fresh Wine prefix on a
# virtual display, with the ratio at rest; then what Tarvio's info dialog leaves behind
# when a user opens it: the main window shown from the icon, "Info", the dialog closed.
#   tests/bench/wine/resident_sets.sh [BUILD]   default build/win64, which must be built
# Goals: at rest at most 1.02 times the least tray program; after the dialog within
# 0.5 MB of before it opened. Two parts of that reading are Wine's own and are shown
# apart, from the process's memory map: the closed dialog's window buffer (X11 shared
# memory of the window's size), which Wine 8 keeps referenced from its cache of DCs
# until a later paint hands those DCs out again, and the font files it loaded for the
# dialog (with no Arial in the prefix, a stand-in from the Linux system's fonts), which
# its font cache keeps.
# Not part of the test command; the 32-bit build (build/win32) runs under qemu's
# emulation, whose own memory all its readings then include.
set -euo pipefail
cd "$(dirname "$0")/../../.."
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"; fi
build=${1:-build/win64}
work=$build/resident-sets
prefix=$work/wineprefix
rm -rf "$work"
mkdir -p "$work/program"
cp "$build/src/program/tarvio.exe" docs/Provider.INI "$build/tests/e2e/tarvio_driver.exe" \
  "$build/tests/bench/tarvio_resources.exe" "$build/tests/bench/least_tray.exe" "$work/program/"
run() { scripts/wine-run.sh "$prefix" "$work/program/$1" "${@:2}" | tr -d '\r'; }
drv() { run tarvio_driver.exe "$@" >/dev/null; }
kib() { run tarvio_resources.exe "$@" | awk '{ print $1 }'; }  # the working set in KiB
# The resident KiB of Tarvio's mappings whose names match PATTERN: its window buffers
# (System V shared memory), its font files.
mapped() {
  awk -v pattern="$1" '/^[0-9a-f]+-/ { hit = $6 ~ pattern } hit && /^Rss:/ { kib += $2 } END { print kib + 0 }' \
    "/proc/$(pgrep -f "(^|/wine )$work/program/tarvio.exe" | head -1)/smaps"  # 32-bit: under qemu
}
buffers() { mapped '^/SYSV'; }
fonts() { mapped '[.]([tT][tT][fFcC]|[oO][tT][fF]|[fF][oO][nN])$'; }
trap 'scripts/wine-run.sh "$prefix" --end' EXIT
drv seed Tagtarif 300 Tagtarif Nachttarif Abendtarif  # makes the prefix
run least_tray.exe >"$work/least_tray.out" 2>&1 &
run tarvio.exe >"$work/tarvio.out" 2>&1 &
drv wait-visible 0 60000
until kib LeastTray >/dev/null 2>&1; do sleep 1; done
sleep 12  # both at rest: start-up done, the icons added, the clock ticking
rest_least=$(kib LeastTray) rest=$(kib)
show() { drv post 1024 0 513 && drv wait-visible 1 10000 && sleep 3; }  # the icon's click
show
shown=$(kib) shown_buffers=$(buffers) shown_fonts=$(fonts)
drv click 1005
drv wait-visible 1 10000 info
sleep 3  # drawn
drv click 13 info
drv wait-gone 10000 info
sleep 3
closed=$(kib) closed_buffers=$(buffers) closed_fonts=$(fonts)
awk -v rl="$rest_least" -v r="$rest" -v s="$shown" -v sb="$shown_buffers" -v sf="$shown_fonts" -v c="$closed" \
  -v cb="$closed_buffers" -v cf="$closed_fonts" -v build="$build" 'BEGIN {
  mb = 1024
  printf "resident set in MB (%s)                  least_tray   tarvio   ratio\n", build
  printf "at rest                                           %7.1f  %7.1f  %6.3f\n", rl / mb, r / mb, r / rl
  printf "Tarvio with its main window shown                          %7.1f\n", s / mb
  printf "  after the info dialog, opened and closed                 %7.1f  %+.2f\n", c / mb, (c - s) / mb
  printf "    Wine: the closed dialog'"'"'s window buffer                         %+.2f\n", (cb - sb) / mb
  printf "    Wine: font files loaded for the dialog                          %+.2f\n", (cf - sf) / mb
  d = (c - s - (cb - sb) - (cf - sf)) / mb
  printf "    the rest                                                        %+.2f\n", d
  printf "goal at rest, at most 1.02 times least_tray: %.3f, %s\n", r / rl, (r / rl <= 1.02 ? "met" : "missed")
  printf "goal after the dialog, within 0.5 MB (Wine'"'"'s buffer and fonts aside): %+.2f MB, %s\n", d,
    (d <= 0.5 ? "met" : "missed")
}'

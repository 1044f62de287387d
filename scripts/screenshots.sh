#!/usr/bin/env bash
# Pictures of Tarvio's two windows for the README, made anew from the program as built:
#   docs/images/main-window.png   the main window with the demo entries and plan
#   docs/images/info-dialog.png   the info dialog
# The 64-bit program under Wine on a virtual display of its own (1024 x 768, 96 dpi),
# with the demo entries of the run command; each picture cut to its window.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != --inside ]; then
  bash scripts/install-deps.sh
  cmake --preset win64 -B build/run >/dev/null
  cmake --build build/run -j2 --target tarvio tarvio_driver
  work="$PWD/build/screenshots"
  rm -rf "$work"
  mkdir -p "$work/program"
  cp build/run/src/program/tarvio.exe "$work/program/"
  bash scripts/seed-demo.sh "$work/prefix" "$work/program"
  # Without a window manager, Wine draws title bars and borders itself only for windows
  # it does not hand to one.
  bash scripts/wine-run.sh "$work/prefix" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  exec env -u DISPLAY xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash "$0" --inside "$work"
fi

work="$2"
prefix="$work/prefix"
drv() { bash scripts/wine-run.sh "$prefix" build/run/tests/e2e/tarvio_driver.exe "$@" | tr -d '\r'; }
shoot() {  # shoot NAME [info]: the window as it is on the screen now
  sleep 1  # drawn completely
  import -window root -crop "$(drv frame "${@:2}")" +repage "docs/images/$1.png"
  echo "made docs/images/$1.png"
}
bash scripts/wine-run.sh "$prefix" "$work/program/tarvio.exe" &
program=$!
trap 'bash scripts/wine-run.sh "$prefix" wineserver -k >/dev/null 2>&1 || true' EXIT
mkdir -p docs/images
drv show 30000
shoot main-window
drv click 1005
drv wait-visible 1 5000 info
shoot info-dialog info
drv click 13 info
drv post 16 0 0  # ends Tarvio as the Task Manager does
wait "$program" || true

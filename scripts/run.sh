#!/usr/bin/env bash
# Installs what is needed, builds the 64-bit Windows program and starts it under Wine
# with demo dial-up entries and the sample plan, in a Wine prefix of its own.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset win64 -B build/run >/dev/null
cmake --build build/run -j2 --target tarvio tarvio_driver

program_dir="$PWD/build/run/program"
mkdir -p "$program_dir"
cp build/run/src/program/tarvio.exe "$program_dir/"
prefix="$PWD/build/run-prefix"
bash scripts/seed-demo.sh "$prefix" "$program_dir"

cat <<'TEXT'
Tarvio starts hidden: its only sign is the icon in the notification area.
  Show the window: click the icon (left or right button).
  Hide it again:   "Ausblenden", or the close button of the title bar.
  End Tarvio:      "Ende", then answer "Ja".
Without a panel that shows a system tray, Wine shows its own small tray window, with
the icon, in the top-left corner of the screen. From a script, send the icon's click:
  bash scripts/wine-run.sh build/run-prefix build/run/tests/e2e/tarvio_driver.exe show 5000
and end it as the Task Manager would:
  bash scripts/wine-run.sh build/run-prefix build/run/tests/e2e/tarvio_driver.exe post 16 0 0
TEXT

[ -n "${DISPLAY:-}" ] || echo "No DISPLAY: starting on a virtual display; nothing will be visible." >&2
exec bash scripts/wine-run.sh "$prefix" "$program_dir/tarvio.exe"

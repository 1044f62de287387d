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
Without a notification area (no panel with a system tray), Wine keeps the icon out of
sight; send the icon's click instead:
  bash scripts/wine-run.sh build/run-prefix build/run/tests/e2e/tarvio_driver.exe show 5000
and end it as the Task Manager would:
  bash scripts/wine-run.sh build/run-prefix build/run/tests/e2e/tarvio_driver.exe close
TEXT

if [ -n "${DISPLAY:-}" ]; then
  exec bash scripts/wine-run.sh "$prefix" "$program_dir/tarvio.exe"
fi
echo "No DISPLAY: starting on a virtual display (xvfb-run); nothing will be visible." >&2
exec xvfb-run -a bash scripts/wine-run.sh "$prefix" "$program_dir/tarvio.exe"

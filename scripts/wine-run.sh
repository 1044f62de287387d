#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine: wine-run.sh PREFIX PROGRAM [ARGS...]
# ctest uses it as the cross-compiling emulator; the first call creates the prefix.
set -euo pipefail
prefix="$(realpath -m "$1")"; shift
export WINEPREFIX="$prefix" WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=/usr/lib/wine/wine64
command -v wine64 >/dev/null 2>&1 && wine=$(command -v wine64)
mkdir -p "$(dirname "$prefix")"
(
  flock 9
  [ -f "$prefix/system.reg" ] || { "$wine" wineboot -i >/dev/null 2>&1 || true; "$(dirname "$wine")/wineserver" -w 2>/dev/null || true; }
) 9>"$prefix.lock"
exec "$wine" "$@"

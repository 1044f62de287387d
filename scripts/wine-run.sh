#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh PREFIX PROGRAM [ARGS...]
# A prefix is a 32-bit or a 64-bit Windows. 64-bit ones run under Debian's wine64;
# 32-bit ones under the i386 Wine that scripts/install-wine32.sh sets up, emulated by
# qemu. A new prefix takes the width that WINEARCH asks for, else the program's (reg,
# cmd and the like: 64). One made with WINEARCH=win64 runs 32-bit programs too, as
# 64-bit Windows does (WoW64); it takes twice as long to make, so others do not.
# `wine-run.sh PREFIX wineserver ARGS...` runs the server of the prefix;
# `wine-run.sh PREFIX --end` ends every process of the prefix, hung ones too.
# ctest uses it as the cross-compiling emulator; the first call creates the prefix.
set -euo pipefail
source "$(dirname "$0")/wine-common.sh"
prefix="$(realpath -m "$1")"; shift
export WINEPREFIX="$prefix"
if [ "$1" = wineserver ]; then shift; exec "$wineserver" "$@"; fi
if [ "$1" = --end ]; then end_wine_of "$prefix"; exit 0; fi
# Windows need a display; without one, the program gets a virtual one, which stays
# until the prefix's last process (explorer.exe among them) has ended. When the
# prefix's server already runs, its processes have their display, and a call meanwhile
# (a driver command beside a running Tarvio) ends with its own program.
if [ -z "${DISPLAY:-}" ]; then
  until_idle=1
  if [ -d "$prefix" ]; then
    server_dir="/server-$(stat -c '%d %i' "$prefix" | { read -r dev ino; printf '%x-%x' "$dev" "$ino"; })"
    for pid in $(pgrep -x 'wineserver(64)?' || true); do
      [[ "$(readlink "/proc/$pid/cwd" || true)" != *"$server_dir" ]] || until_idle=
    done
  fi
  exec env WINE_RUN_UNTIL_IDLE="$until_idle" xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$prefix" "$@"
fi
export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

program_arch=""
if [ -f "$1" ] && [ "$(head -c 2 "$1")" = MZ ]; then
  program_arch=win64
  [ "$(pe_machine "$1")" != 014c ] || program_arch=win32
fi
arch=$(sed -n 's/^#arch=//p' "$prefix/system.reg" 2>/dev/null || true)
asked=${WINEARCH:-}
export WINEARCH="${arch:-${asked:-${program_arch:-win64}}}"
wine=$wine64
if [ "$WINEARCH" = win32 ]; then
  wine=$wine32_root/usr/lib/wine/wine
elif [ -f "$prefix/drive_c/windows/syswow64/kernel32.dll" ] || { [ -z "$arch" ] && [ "$asked" = win64 ]; }; then
  wine=$wine32_wow64
fi
case "$WINEARCH/$program_arch/$wine" in
  win32/win64/* | win64/win32/"$wine64")
    echo "wine-run.sh: the prefix $prefix ($WINEARCH) cannot run $1 ($program_arch)" >&2
    exit 2 ;;
esac
if [ "$wine" != "$wine64" ]; then
  if [ ! -e "/proc/sys/fs/binfmt_misc/$wine32_binfmt" ]; then
    echo "wine-run.sh: no 32-bit Wine here; run scripts/install-wine32.sh as root" >&2
    exit 2
  fi
  export QEMU_LD_PREFIX="$wine32_root" WINESERVER="$wineserver"
fi
mkdir -p "$(dirname "$prefix")"
(
  flock 9
  # Making a prefix starts a dozen processes, and under emulation one of them may hang
  # (see end_wine_of): a making that takes far longer than it does is given up and
  # begun anew. A prefix whose making was cut short, here or by a killed caller, is
  # marked so and made anew too.
  if [ -e "$prefix.unfinished" ]; then end_wine_of "$prefix"; rm -rf "$prefix"; fi
  for attempt in 1 2 3; do
    [ ! -f "$prefix/system.reg" ] || break
    : >"$prefix.unfinished"
    if timeout 180 bash -c '"$1" wineboot -i >/dev/null 2>&1; "$2" -w' _ "$wine" "$wineserver"; then
      rm -f "$prefix.unfinished"
    else
      echo "wine-run.sh: making $prefix hung (attempt $attempt of 3)" >&2
      end_wine_of "$prefix"; rm -rf "$prefix"
    fi
  done
  if [ ! -f "$prefix/system.reg" ]; then echo "wine-run.sh: $prefix could not be made" >&2; exit 2; fi
  # Wine's own fonts (Debian's fonts-wine), where this Wine finds them: in the prefix's
  # Fonts folder, as on Windows. Without them every window is drawn in another font.
  fonts="$prefix/drive_c/windows/Fonts"
  if [ -d "$wine_fonts" ] && [ ! -f "$fonts/sserife.fon" ]; then
    mkdir -p "$fonts" && cp -n "$wine_fonts"/* "$fonts/"
  fi
) 9>"$prefix.lock"
[ -n "${WINE_RUN_UNTIL_IDLE:-}" ] || exec "$wine" "$@"
status=0
"$wine" "$@" || status=$?
"$wineserver" -w
exit "$status"

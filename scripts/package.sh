#!/usr/bin/env bash
# Builds the release packages into build/packages/:
#   tarvio-<version>-setup.exe   per-user installer (NSIS) with the 32- and 64-bit programs
#   tarvio-<version>-win64.zip   portable: tarvio.exe, hilfe.htm, Provider.INI, LIESMICH.txt
#   tarvio-<version>-win32.zip   the same with the 32-bit program
# The version is the one in CMakeLists.txt's project() line.
#
# Options:
#   --out DIR            write the packages to DIR instead of build/packages
#   --installer-only     skip the zips
# Environment:
#   TARVIO_EXE_WIN32, TARVIO_EXE_WIN64   take these programs instead of building the
#                                        presets win32 and win64
#   TARVIO_BUILD_DIR_WIN32, TARVIO_BUILD_DIR_WIN64   build folders (default build/<preset>)
#   TARVIO_DOCS_DIR      folder with hilfe.htm and Provider.INI (default docs)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

out=build/packages
installer_only=0
while [ $# -gt 0 ]; do
  case "$1" in
    --out) out="$2"; shift 2 ;;
    --installer-only) installer_only=1; shift ;;
    *) echo "package.sh: unknown argument $1" >&2; exit 2 ;;
  esac
done

version=$(sed -n 's/^project([[:space:]]*Tarvio[[:space:]]\+VERSION[[:space:]]\+\([0-9][0-9.]*\).*/\1/p' CMakeLists.txt | head -n1)
if [ -z "$version" ]; then
  echo "package.sh: no project(Tarvio VERSION ...) in CMakeLists.txt" >&2
  exit 1
fi
# Windows version resources want four numbers.
file_version=$version
while [ "$(tr -cd . <<<"$file_version" | wc -c)" -lt 3 ]; do file_version="$file_version.0"; done

# Prints the path of the preset's tarvio.exe, building it unless one was given.
program() {
  local preset="$1" given="$2" dir="$3"
  if [ -n "$given" ]; then
    [ -f "$given" ] || { echo "package.sh: $given does not exist" >&2; return 1; }
    realpath "$given"
    return
  fi
  cmake --preset "$preset" -B "$dir" >&2
  cmake --build "$dir" --target tarvio -j 2 >&2
  realpath "$dir/src/program/tarvio.exe"
}

exe32=$(program win32 "${TARVIO_EXE_WIN32:-}" "${TARVIO_BUILD_DIR_WIN32:-build/win32}")
exe64=$(program win64 "${TARVIO_EXE_WIN64:-}" "${TARVIO_BUILD_DIR_WIN64:-build/win64}")
docs=$(realpath "${TARVIO_DOCS_DIR:-docs}")
for f in "$exe32" "$exe64" "$docs/hilfe.htm" "$docs/Provider.INI"; do
  [ -f "$f" ] || { echo "package.sh: missing $f" >&2; exit 1; }
done

mkdir -p "$out"
out=$(realpath "$out")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

installer="$out/tarvio-$version-setup.exe"
# The installer is an ANSI one, for Windows 98 and ME: its texts must all be in code page
# 1252, which makensis would otherwise turn into '?' without a word.
for source in installer/tarvio.nsi installer/strings.nsh; do
  iconv -f UTF-8 -t CP1252 "$source" >/dev/null || { echo "package.sh: $source has text outside code page 1252" >&2; exit 1; }
done
makensis -V2 -WX -INPUTCHARSET UTF8 \
  -DVERSION="$file_version" \
  -DEXE32="$exe32" -DEXE64="$exe64" \
  -DHELP="$docs/hilfe.htm" -DSAMPLE_INI="$docs/Provider.INI" \
  -DOUTFILE="$installer" \
  installer/tarvio.nsi
echo "built $installer ($(stat -c %s "$installer") bytes)"

[ "$installer_only" -eq 1 ] && exit 0

# Notepad of Windows 98 and ME reads only the ANSI code page (1252 in the west) and
# wants CRLF lines.
sed 's/\r$//; s/$/\r/' installer/LIESMICH.txt | iconv -f UTF-8 -t CP1252 >"$stage/LIESMICH.txt"
cp "$docs/hilfe.htm" "$docs/Provider.INI" "$stage/"
for arch in win64 win32; do
  exe=$exe64
  [ "$arch" = win32 ] && exe=$exe32
  cp "$exe" "$stage/tarvio.exe"
  zip_file="$out/tarvio-$version-$arch.zip"
  rm -f "$zip_file"
  # Fixed timestamps keep the archive the same from build to build.
  touch -d "@$(git log -1 --format=%ct 2>/dev/null || echo 0)" "$stage"/*
  (cd "$stage" && zip -q -X -9 "$zip_file" tarvio.exe hilfe.htm Provider.INI LIESMICH.txt)
  echo "built $zip_file ($(stat -c %s "$zip_file") bytes)"
done

# Every Windows file the packages hold, the installer's own (its plug-ins and the
# uninstaller) included, loads on the oldest Windows it is for.
contents="$stage/contents"
7z x -aou -o"$contents/setup" "$installer" >/dev/null
for arch in win64 win32; do unzip -q -d "$contents/$arch" "$out/tarvio-$version-$arch.zip"; done
cp "$installer" "$contents/"
mapfile -t windows_files < <(cd "$contents" && find . -type f -exec sh -c '[ "$(head -c 2 "$1")" = MZ ]' _ {} \; -print | sort)
(cd "$contents" && bash "$root/scripts/check-imports.sh" "$root/docs/imports.md" "${windows_files[@]}")

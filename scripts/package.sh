#!/usr/bin/env bash
# Builds the release packages into build/packages/:
#   tarvio-<version>-setup.exe   per-user installer (NSIS) with the 32- and 64-bit programs
#   tarvio-<version>-win64.zip   portable: a folder Tarvio with tarvio.exe, hilfe.htm,
#                                Provider.INI and LIESMICH.txt
#   tarvio-<version>-win32.zip   the same with the 32-bit program
#   SHA256SUMS                   their checksums, as sha256sum writes them
# The version is the one in CMakeLists.txt's project() line. The same commit gives the same
# bytes, whenever and wherever it is built with the same Debian packages: every time
# stored in a package is SOURCE_DATE_EPOCH, by default the commit's time.
#
# Options:
#   --out DIR            write the packages to DIR instead of build/packages
#   --installer-only     skip the zips
#   --uncommitted        package a checkout with changes that are not committed (as the
#                        tests do); they still get the commit's time, so they are no release
# Environment:
#   TARVIO_EXE_WIN32, TARVIO_EXE_WIN64   take these programs instead of building the
#                                        presets win32 and win64
#   TARVIO_BUILD_DIR_WIN32, TARVIO_BUILD_DIR_WIN64   build folders (default build/<preset>)
#   TARVIO_DOCS_DIR      folder with hilfe.htm and Provider.INI (default docs)
#   SOURCE_DATE_EPOCH    the packages' time in seconds since 1970; outside a git checkout
#                        it must be given
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

out=build/packages
installer_only=0
uncommitted=0
while [ $# -gt 0 ]; do
  case "$1" in
    --out) out="$2"; shift 2 ;;
    --installer-only) installer_only=1; shift ;;
    --uncommitted) uncommitted=1; shift ;;
    *) echo "package.sh: unknown argument $1" >&2; exit 2 ;;
  esac
done

version=$(sed -n 's/^project([[:space:]]*Tarvio[[:space:]]\+VERSION[[:space:]]\+\([0-9][0-9.]*\).*/\1/p' CMakeLists.txt | head -n1)
if [ -z "$version" ]; then
  echo "package.sh: no project(Tarvio VERSION ...) in CMakeLists.txt" >&2
  exit 1
fi
# Packages made from changes that no commit holds would carry a commit's version and time
# all the same, and nobody could rebuild them.
if [ "$uncommitted" -eq 1 ]; then
  echo "package.sh: --uncommitted: these packages may hold changes of no commit; they are no release" >&2
elif [ -e .git ]; then
  changes=$(git status --porcelain) || { echo "package.sh: git cannot say whether the checkout has changes" >&2; exit 1; }
  if [ -n "$changes" ]; then
    echo "package.sh: the checkout has changes that are not committed (git status); commit them," >&2
    echo "  or pass --uncommitted for packages that are no release" >&2
    exit 1
  fi
fi
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  # Only this checkout's own history: a copy of the sources inside another repository
  # must not take that repository's time.
  if [ -e .git ]; then SOURCE_DATE_EPOCH=$(git log -1 --format=%ct || true); fi
  if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    echo "package.sh: not a git checkout: set SOURCE_DATE_EPOCH to the release commit's time" >&2
    exit 1
  fi
fi
if ! [[ "$SOURCE_DATE_EPOCH" =~ ^[0-9]+$ ]]; then
  echo "package.sh: SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH is not a number of seconds" >&2
  exit 1
fi
export SOURCE_DATE_EPOCH
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

# What ships, each file with the release's time and the same mode on every machine:
# makensis stores each file's time in the installer, zip in the archive.
files=$stage/files
mkdir -p "$files/win32" "$files/win64"
cp "$exe32" "$files/win32/tarvio.exe"
cp "$exe64" "$files/win64/tarvio.exe"
cp "$docs/hilfe.htm" "$docs/Provider.INI" "$files/"
# Notepad of Windows 98 and ME reads only the ANSI code page (1252 in the west) and
# wants CRLF lines.
sed 's/\r$//; s/$/\r/' installer/LIESMICH.txt | iconv -f UTF-8 -t CP1252 >"$files/LIESMICH.txt"
fix_times() {  # fix_times PATH...: the release's time and plain modes, folders included
  find "$@" -type d -exec chmod 755 {} + -o -type f -exec chmod 644 {} +
  find "$@" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
}
fix_times "$files"

installer="$out/tarvio-$version-setup.exe"
# The installer is an ANSI one, for Windows 98 and ME: its texts must all be in code page
# 1252, which makensis would otherwise turn into '?' without a word.
for source in installer/tarvio.nsi installer/strings.nsh; do
  iconv -f UTF-8 -t CP1252 "$source" >/dev/null || { echo "package.sh: $source has text outside code page 1252" >&2; exit 1; }
done
makensis -V2 -WX -INPUTCHARSET UTF8 \
  -DVERSION="$file_version" \
  -DEXE32="$files/win32/tarvio.exe" -DEXE64="$files/win64/tarvio.exe" \
  -DHELP="$files/hilfe.htm" -DSAMPLE_INI="$files/Provider.INI" \
  -DOUTFILE="$installer" \
  installer/tarvio.nsi
echo "built $installer ($(stat -c %s "$installer") bytes)"
packages=("$installer")

if [ "$installer_only" -eq 0 ]; then
  for arch in win64 win32; do
    # One folder with everything in it: "extract here" never scatters the files among
    # whatever else lies where the zip was saved.
    folder=$stage/$arch/Tarvio
    mkdir -p "$folder"
    cp -p "$files/$arch/tarvio.exe" "$files/hilfe.htm" "$files/Provider.INI" "$files/LIESMICH.txt" "$folder/"
    fix_times "$stage/$arch"
    zip_file="$out/tarvio-$version-$arch.zip"
    rm -f "$zip_file"
    # -X: no extra fields (Unix times, owners); TZ: zip stores local time.
    (cd "$stage/$arch" && TZ=UTC zip -q -X -9 "$zip_file" Tarvio Tarvio/tarvio.exe Tarvio/hilfe.htm \
      Tarvio/Provider.INI Tarvio/LIESMICH.txt)
    echo "built $zip_file ($(stat -c %s "$zip_file") bytes)"
    packages+=("$zip_file")
  done
fi

names=()
for package in "${packages[@]}"; do names+=("$(basename "$package")"); done
(cd "$out" && printf '%s\n' "${names[@]}" | LC_ALL=C sort | xargs sha256sum -- >SHA256SUMS)
echo "wrote $out/SHA256SUMS"
[ "$installer_only" -eq 1 ] && exit 0

# Every Windows file the packages hold, the installer's own (its plug-ins and the
# uninstaller) included, loads on the oldest Windows it is for.
contents="$stage/contents"
7z x -aou -o"$contents/setup" "$installer" >/dev/null
for arch in win64 win32; do unzip -q -d "$contents/$arch" "$out/tarvio-$version-$arch.zip"; done
cp "$installer" "$contents/"
mapfile -t windows_files < <(cd "$contents" && find . -type f -exec sh -c '[ "$(head -c 2 "$1")" = MZ ]' _ {} \; -print | sort)
(cd "$contents" && bash "$root/scripts/check-imports.sh" "$root/docs/imports.md" "${windows_files[@]}")

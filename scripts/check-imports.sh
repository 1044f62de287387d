#!/usr/bin/env bash
# Checks that Windows programs load on the oldest Windows they are for:
#   check-imports.sh TABLE FILE...          every file against the table
#   check-imports.sh --list FILE...         the imports of the files, "DLL function" a line
# TABLE is docs/imports.md: one row per imported function, with the first Windows of the
# 9x line and of the NT line that export it. A file's floor follows from its machine:
#   i386     Windows 98 on the 9x line, Windows 2000 (NT 5.0) on the NT line, header 4.0
#   x86-64   Windows XP x64 / Server 2003 (NT 5.2), header 5.2
# Fails on an import the table lacks, one above the file's floor, and a header whose OS or
# subsystem version is above the floor: an older loader refuses a program with either.
# It also fails on a row that none of the files imports: the table lists what ships.
# And it fails on an imported DLL that Windows may take from the file's own folder: only
# the KnownDLLs of every Windows from 7 to 11 are always taken from the system folder, and
# comctl32, which a Common-Controls manifest in the file sends through side-by-side
# loading (XP on). docs/imports.md gives the sources.
set -euo pipefail
# objdump's report in English, whatever the locale: it is read by its words.
export LC_ALL=C

list=0
if [ "${1:-}" = --list ]; then
  list=1
  shift
else
  table="$1"
  shift
fi

# imports FILE: "dll function" lines, the DLL in lower case; ordinals as "#N".
imports() {
  x86_64-w64-mingw32-objdump -p "$1" | awk '
    /^The Import Tables/ { on = 1; next }
    /^The (Export|Relocation|Resource|Debug)|^PE File Base Relocations/ { on = 0 }
    !on { next }
    /DLL Name:/ { dll = tolower($3); next }
    dll != "" && $1 ~ /^[0-9a-f]+$/ && NF == 3 && $2 ~ /^[0-9]+$/ { print dll, $3; next }
    dll != "" && /<none>/ { print dll, "#" $NF }'
}

# header FILE: "machine os subsystem", the versions as major.minor.
header() {
  x86_64-w64-mingw32-objdump -p "$1" | awk '
    /file format pei-/ { machine = ($NF ~ /x86-64/) ? "x86-64" : "i386" }
    /^MajorOSystemVersion/ { osMajor = $2 } /^MinorOSystemVersion/ { osMinor = $2 }
    /^MajorSubsystemVersion/ { subMajor = $2 } /^MinorSubsystemVersion/ { subMinor = $2 }
    END { print machine, osMajor "." osMinor, subMajor "." subMinor }'
}

if [ "$list" -eq 1 ]; then
  for file in "$@"; do imports "$file"; done | sort -u
  exit 0
fi

# The KnownDLLs that Windows 7 to 11 all have (the registry list of 7, the \KnownDlls
# objects of 10 and 11), as imported names.
known_dlls=" advapi32 clbcatq comdlg32 difxapi gdi32 imagehlp imm32 kernel32 msctf msvcrt normaliz nsi ole32
  oleaut32 psapi rpcrt4 sechost setupapi shell32 shlwapi user32 wldap32 ws2_32 "

# asks_for_common_controls_6 FILE: the file's manifest, the resource the loader reads (type
# 24, RT_MANIFEST, ID 1, in any language), depends on version 6 of the common controls.
asks_for_common_controls_6() {
  local manifest
  manifest=$(7z l -tPE -slt -- "$1" 2>/dev/null | sed -n 's|^Path = \(\.rsrc/\([0-9]*/\)\?MANIFEST/1\)$|\1|p' | head -n1)
  [ -n "$manifest" ] || return 1
  7z e -tPE -so -- "$1" "$manifest" 2>/dev/null | tr -d '\r\n' |
    grep -Eq '<dependency>.*<assemblyIdentity[^>]*name="Microsoft\.Windows\.Common-Controls"[^>]*version="6\.'
}

# foreign_dlls FILE IMPORTS: the imported DLLs Windows may look for beside the file.
foreign_dlls() {
  local dll
  for dll in $(awk '{ print $1 }' <<<"$2" | sort -u); do
    case "$known_dlls" in *[[:space:]]"${dll%.dll}"[[:space:]]*) continue ;; esac
    [ "$dll" = comctl32.dll ] && asks_for_common_controls_6 "$1" && continue
    echo "$dll"
  done
}

[ -f "$table" ] || { echo "check-imports.sh: no table $table" >&2; exit 2; }
failed=0
imported=""  # every file's imports, for the rows no file needs
for file in "$@"; do
  read -r machine os subsystem < <(header "$file")
  file_imports=$(imports "$file")
  imported+="$file_imports"$'\n'
  if [ "$machine" = x86-64 ]; then
    floor_9x=none floor_nt=5.2 floor_header=5.2
  else
    floor_9x=98 floor_nt=5.0 floor_header=4.0
  fi
  problems=$(awk -v table="$table" -v floor9x="$floor_9x" -v floorNt="$floor_nt" '
    function version(v) { split(v, p, "."); return p[1] * 100 + p[2] }
    BEGIN {
      # | DLL | Function | 9x | NT | Source |, the header and its rule skipped.
      rank9x["95"] = 1; rank9x["98"] = 2; rank9x["ME"] = 3
      while ((getline line < table) > 0) {
        if (line !~ /^\| *[A-Za-z0-9_]+\.(dll|DLL) *\|/) continue
        n = split(line, cell, "|")
        for (i = 2; i <= n; i++) gsub(/^ +| +$/, "", cell[i])
        key = tolower(cell[2]) " " cell[3]
        nine[key] = cell[4]; nt[key] = cell[5]; source[key] = cell[6]
      }
    }
    {
      key = $1 " " $2
      if (!(key in nt)) { print "  not in the table: " key; next }
      if (source[key] == "") print "  no source for: " key
      if (nt[key] !~ /^[0-9]+\.[0-9]+$/ || version(nt[key]) > version(floorNt))
        print "  " key ": NT " nt[key] ", the floor is " floorNt
      # "stub": Windows 9x exports it, so the loader is content; the call fails, which
      # the table says the caller copes with.
      if (floor9x != "none" && nine[key] != "stub" && !(nine[key] in rank9x && rank9x[nine[key]] <= rank9x[floor9x]))
        print "  " key ": Windows " nine[key] " on the 9x line, the floor is " floor9x
    }' <<<"$file_imports")
  for dll in $(foreign_dlls "$file" "$file_imports"); do
    problems+=$'\n'"  imports $dll, which Windows may take from the program's folder"
  done
  for version in "$os" "$subsystem"; do
    awk -v v="$version" -v f="$floor_header" 'BEGIN { split(v, a, "."); split(f, b, "."); exit !(a[1] * 100 + a[2] > b[1] * 100 + b[2]) }' &&
      problems+=$'\n'"  header version $version above $floor_header"
  done
  problems=$(sed '/^$/d' <<<"$problems")
  if [ -n "$problems" ]; then
    echo "FAIL $file ($machine, OS $os, subsystem $subsystem):"
    echo "$problems"
    failed=1
  else
    echo "ok   $file ($machine, OS $os, subsystem $subsystem, $(wc -l <<<"$file_imports") imports)"
  fi
done
# Rows no file imports any more.
stale=$(comm -13 <(sed '/^$/d' <<<"$imported" | sort -u) \
  <(awk -F'|' '/^\| *[A-Za-z0-9_]+\.(dll|DLL) *\|/ { gsub(/ /, "", $2); gsub(/ /, "", $3); print tolower($2), $3 }' "$table" | sort -u))
if [ -n "$stale" ]; then
  echo "FAIL rows of $table that no file imports:"
  sed 's/^/  /' <<<"$stale"
  failed=1
fi
exit "$failed"

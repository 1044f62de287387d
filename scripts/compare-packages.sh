#!/usr/bin/env bash
# Compares two folders of release packages byte for byte, as a rebuild is checked
# against a release:
#   compare-packages.sh DIR_A DIR_B
# Names every file that is missing on one side or differs; for a zip or the installer
# also the members that differ, or, when every member is the same, the lines of the
# archive's listing that differ (a member's time, attributes, the order). Exit code 0
# only when both folders hold the same files with the same bytes.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: compare-packages.sh DIR_A DIR_B" >&2; exit 2; }
dirs=("$(realpath "$1")" "$(realpath "$2")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The archive's members, one per line, as 7-Zip lists them (zips and NSIS installers alike).
listing() { (cd "$1" && 7z l -slt -- "$2" | sed -n '/^----------$/,$p'); }

status=0
mapfile -t names < <(find "${dirs[@]}" -maxdepth 1 -type f -printf '%f\n' | LC_ALL=C sort -u)
for name in "${names[@]}"; do
  if [ ! -f "${dirs[0]}/$name" ] || [ ! -f "${dirs[1]}/$name" ]; then
    echo "$name: in one folder only"
    status=1
    continue
  fi
  cmp -s "${dirs[0]}/$name" "${dirs[1]}/$name" && continue
  status=1
  echo "$name differs"
  if ! 7z x -aou -o"$work/$name/a" -- "${dirs[0]}/$name" >/dev/null 2>&1 ||
    ! 7z x -aou -o"$work/$name/b" -- "${dirs[1]}/$name" >/dev/null 2>&1; then
    cmp -- "${dirs[0]}/$name" "${dirs[1]}/$name" | sed 's/^/  /' || true
    continue
  fi
  members=$(diff -rq "$work/$name/a" "$work/$name/b" | sed "s|$work/$name/||g" || true)
  if [ -n "$members" ]; then
    printf '%s\n' "$members" | sed 's/^/  member: /'
  else
    echo "  every member is the same; the listings differ in:"
    diff <(listing "${dirs[0]}" "$name") <(listing "${dirs[1]}" "$name") | sed 's/^/  /' || true
  fi
done
exit "$status"

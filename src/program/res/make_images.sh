#!/usr/bin/env bash
# Draws the program's images into OUTDIR with ImageMagick, from the drawing commands
# beside this script: make_images.sh OUTDIR. Icons are opaque and 16 colours each; so is
# the info dialog's picture, an uncompressed bitmap of 4 bits a pixel with its own
# palette of the 16 colours, which every Windows draws as it is.
set -euo pipefail
here="$(cd "$(dirname "$0")/images" && pwd)"
out="$1"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

frame() {  # frame NAME SIZE: one opaque 16-colour image of the drawing at SIZE pixels
  convert -size 32x32 xc:"#c0c0c0" "mvg:$here/$1.mvg" -flatten -resize "$2x$2" \
    -alpha off -colors 16 -type Palette "$work/$1-$2.bmp"
}
icon() {  # icon NAME SIZES...
  local name="$1"; shift
  local frames=()
  for size in "$@"; do frame "$name" "$size"; frames+=("$work/$name-$size.bmp"); done
  convert "${frames[@]}" -alpha off -type Palette "$out/$name.ico"
}

icon tarvio_icon 32 16
icon info_icon 32 16
icon button_lists 32 16
icon button_leave 32 16
icon button_hide 32
convert -size 109x409 xc:"#000080" "mvg:$here/info_picture.mvg" -flatten -alpha off -dither None -colors 16 \
  -type Palette -compress None "BMP3:$out/info_picture.bmp"

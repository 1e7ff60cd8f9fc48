#!/usr/bin/env bash
# Makes the hicolor theme icons of the desktop entry from the program's 32x32 icon. Pixel art:
# each size is scaled without smoothing (whole multiples where possible, nearest neighbour for
# the rest). The PNGs are checked in; run this again after changing mainicon.xpm.
# Needs ImageMagick (apt-get install imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."

source=resources/icons/mainicon.xpm
id=org.example.Vantorel
for size in 16 22 24 32 48 64 128 256; do
    dir=resources/icons/hicolor/${size}x${size}/apps
    mkdir -p "$dir"
    convert "$source" -filter point -resize "${size}x${size}" \
        -define png:exclude-chunks=date,time -strip "PNG32:$dir/$id.png"
done

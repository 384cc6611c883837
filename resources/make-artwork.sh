#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
# Draws the program's artwork from scratch and writes it next to this script:
#   icones/salvanor.ico  application icon (16x16 true colour, 32x32 in 256 colours)
#   icones/web.ico       web icon (16, 32, 48 px, each in 16 and in 256 colours)
#   images/logo.jpg      product logo, 233x87
#   sanim.gif            logo animation, a silent looping clip
# Needs ImageMagick, python3 and the Liberation fonts (fonts-liberation).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
green='#00C000'

# A door on the right, an arrow running into it: the way out.
convert -size 256x256 xc:none \
    -fill "$green" -draw 'roundrectangle 8,8 247,247 44,44' \
    -fill white -draw 'rectangle 150,46 214,214' \
    -fill "$green" -draw 'rectangle 164,60 200,214' \
    -fill white -draw 'polygon 36,110 104,110 104,70 158,128 104,186 104,146 36,146' \
    "$work/app.png"

# A globe: the web site.
convert -size 256x256 xc:none \
    -fill '#1E64C8' -stroke '#0A3278' -strokewidth 10 -draw 'circle 128,128 128,12' \
    -fill none -stroke white -strokewidth 12 \
    -draw 'ellipse 128,128 48,112 0,360' -draw 'line 128,18 128,238' \
    -draw 'line 18,128 238,128' -draw 'line 40,72 216,72' -draw 'line 40,184 216,184' \
    "$work/web.png"

# raw SIZE BITS SOURCE: SIZExSIZE RGBA, 1-bit alpha, reduced to what BITS allows.
raw() {
    local size=$1 bits=$2 src=$3 out="$work/$(basename "$3" .png)-$1-$2.rgba"
    local reduce=()
    case $bits in
    4) reduce=(+dither -colors 15) ;;
    8) reduce=(+dither -colors 255) ;;
    esac
    convert "$src" -resize "${size}x${size}" -channel A -threshold 50% +channel \
        -background black -alpha background "${reduce[@]}" -depth 8 "rgba:$out"
    echo "$size:$bits:$out"
}

mkdir -p "$here/icones" "$here/images"
python3 "$here/ico.py" "$here/icones/salvanor.ico" \
    "$(raw 16 24 "$work/app.png")" "$(raw 32 8 "$work/app.png")"
python3 "$here/ico.py" "$here/icones/web.ico" \
    "$(raw 16 4 "$work/web.png")" "$(raw 16 8 "$work/web.png")" \
    "$(raw 32 4 "$work/web.png")" "$(raw 32 8 "$work/web.png")" \
    "$(raw 48 4 "$work/web.png")" "$(raw 48 8 "$work/web.png")"
# Larger renderings of the application icon, for desktop menus.
for s in 16 32 48 64 128 256; do
    convert "$work/app.png" -resize "${s}x${s}" -strip "$here/icones/salvanor-$s.png"
done

convert -size 233x87 xc:white \
    -fill "$green" -draw 'roundrectangle 6,8 78,79 12,12' \
    \( "$work/app.png" -resize 60x60 \) -geometry +12+14 -composite \
    -fill '#006000' -font Liberation-Sans-Bold -pointsize 28 -annotate +88+46 'SalvaNOR' \
    -fill '#505050' -font Liberation-Sans -pointsize 12 -annotate +88+66 'Dégagements - ERP' \
    -quality 92 -strip "$here/images/logo.jpg"

# The clip: the arrow runs out through the door, then the door flashes once.
frames=()
for i in $(seq 0 15); do
    x=$((4 + i * 5))
    f="$work/frame-$(printf %02d "$i").png"
    door='white'
    ((i >= 13)) && door='#FFE000'
    convert -size 96x72 xc:none \
        -fill "$green" -draw 'rectangle 70,8 92,70' -fill "$door" -draw 'rectangle 75,13 87,70' \
        -fill "$green" -draw "polygon $x,30 $((x + 16)),30 $((x + 16)),20 $((x + 32)),38 $((x + 16)),56 $((x + 16)),46 $x,46" \
        "$f"
    frames+=("$f")
done
convert -dispose Background -delay 8 "${frames[@]}" -loop 0 "$here/sanim.gif"

# What the program relies on, checked on what was just written: each icon's images with their
# sizes and colour depths, opaque at the centre (the transparency mask not inverted); the logo's
# size; a clip of several frames.
python3 - "$here" << 'FIN'
import struct, sys
def images(fichier):
    d = open(fichier, 'rb').read()
    r = []
    for i in range(struct.unpack_from('<H', d, 4)[0]):
        debut = struct.unpack_from('<I', d, 6 + 16 * i + 12)[0]
        r.append((struct.unpack_from('<i', d, debut + 4)[0], struct.unpack_from('<H', d, debut + 14)[0]))
    return r
assert images(sys.argv[1] + '/icones/salvanor.ico') == [(16, 24), (32, 8)]
assert images(sys.argv[1] + '/icones/web.ico') == [(16, 4), (16, 8), (32, 4), (32, 8), (48, 4), (48, 8)]
FIN
for icone in "$here"/icones/*.ico; do
    for i in $(seq 0 $(($(identify "$icone" | wc -l) - 1))); do
        [ "$(convert "$icone[$i]" -format '%[fx:p{w/2,h/2}.a]' info:)" = 1 ]
    done
done
[ "$(identify -format '%m %wx%h' "$here/images/logo.jpg")" = "JPEG 233x87" ]
[ "$(identify "$here/sanim.gif" | wc -l)" -gt 1 ]
echo "Illustrations écrites et vérifiées dans $here."

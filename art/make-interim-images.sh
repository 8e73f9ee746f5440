#!/usr/bin/env bash
# Plain interim pictures of the designed sizes, until the drawn art replaces
# them: flat shapes in the right colours, icons with a one-bit mask.
set -euo pipefail
IM=/usr/bin/convert
out="$(dirname "$0")/images"
mkdir -p "$out"
icon() { "$IM" -size 32x32 xc:none "$@" -channel A -threshold 50% +channel "PNG32:$out/$name.png"; }

"$IM" -size 473x301 xc:'#007800' "PNG24:$out/form1_background.png"
"$IM" -size 215x152 xc:'#007F00' -fill '#900000' -draw 'polygon 30,10 185,10 213,130 2,130' \
      -fill '#C04040' -draw 'rectangle 2,130 213,150' "PNG24:$out/table.png"
"$IM" -size 273x70 xc:'#007F00' -font Liberation-Sans-Bold -pointsize 44 -fill '#303030' \
      -annotate +14+54 Klonkatron -fill '#E8DCC0' -annotate +11+51 Klonkatron "PNG24:$out/banner.png"
"$IM" -size 185x20 xc:'#800000' -font Liberation-Sans-Bold -pointsize 14 -fill '#FFFF00' \
      -gravity center -annotate +0+0 'E  x  i  t' "PNG24:$out/exit.png"
"$IM" -size 175x263 xc:'#007800' -fill '#C8B890' -draw 'rectangle 70,120 165,230' \
      -fill '#808080' -draw 'rectangle 10,20 90,70' -fill '#A06030' -draw 'rectangle 40,70 60,250' \
      "PNG24:$out/splash.png"
"$IM" -size 238x264 xc:white -fill '#8B5A2B' -draw 'ellipse 120,170 60,70 0,360' \
      -draw 'ellipse 120,70 40,35 0,360' "PNG24:$out/dachshund.png"

name=hole; icon -fill black -stroke '#2040FF' -strokewidth 2 -draw 'ellipse 15.5,15.5 14,9 0,360'
name=ibm; icon -fill '#C8B890' -draw 'rectangle 6,4 25,19' -fill '#2050D0' -draw 'rectangle 9,7 22,16' \
    -fill '#E8DCC0' -draw 'rectangle 3,20 28,24' -fill '#988860' -draw 'rectangle 2,26 29,29'
name=ibm2; icon -fill '#C8B890' -draw 'rectangle 3,1 28,20' -fill '#20E020' -draw 'rectangle 6,4 25,17' \
    -fill '#E8DCC0' -draw 'rectangle 2,21 29,25' -fill '#988860' -draw 'rectangle 1,27 24,30' \
    -fill '#E0E0E0' -draw 'rectangle 26,27 30,30'
name=bang; icon -fill '#C8B890' -draw 'rectangle 6,4 25,19' -fill '#909090' -draw 'rectangle 9,7 22,16' \
    -stroke black -draw 'line 9,7 22,16' -draw 'line 22,7 9,16' -stroke none \
    -fill '#E8DCC0' -draw 'rectangle 3,20 28,24' -fill '#988860' -draw 'rectangle 2,26 29,29'
name=bang2; icon -fill '#C8B890' -draw 'rectangle 3,1 28,20' -fill '#909090' -draw 'rectangle 6,4 25,17' \
    -fill black -draw 'circle 15,10 15,14' -fill '#E8DCC0' -draw 'rectangle 2,21 29,25' \
    -fill '#988860' -draw 'rectangle 1,27 24,30'
name=upp; icon -stroke '#A06030' -strokewidth 3 -draw 'line 10,10 28,28' -stroke none \
    -fill '#909090' -draw 'polygon 2,8 8,2 16,10 10,16'
name=ner; icon -stroke '#A06030' -strokewidth 3 -draw 'line 8,22 30,22' -stroke none \
    -fill '#909090' -draw 'rectangle 1,14 9,29' -fill '#FF8000' -draw 'rectangle 14,14 16,15' \
    -draw 'rectangle 20,12 22,13'
name=emblem; icon -fill '#C8B890' -draw 'rectangle 4,12 24,28' -fill '#E040E0' -draw 'rectangle 7,15 21,25' \
    -stroke '#A06030' -strokewidth 3 -draw 'line 20,8 30,1' -stroke none -fill '#909090' \
    -draw 'rectangle 10,2 22,9'
name=question; icon -font Liberation-Sans-Bold -pointsize 30 -fill '#E00000' -gravity center -annotate +0+0 '?'
name=mee; icon -font Liberation-Sans-Bold -pointsize 12 -fill white -stroke black -strokewidth 1 \
    -gravity center -annotate +0+0 'MEE!!'
"$IM" -size 16x16 xc:none -stroke '#A06030' -strokewidth 2 -draw 'line 5,5 14,14' -stroke none \
    -fill '#909090' -draw 'polygon 1,4 4,1 8,5 5,8' -channel A -threshold 50% +channel "PNG32:$out/hammer16.png"

# The faces: one head, the mouth widening level by level.
faces=(tio tjugo trettio fortio femtio sextio sjuttio attio nittio hundra)
for i in "${!faces[@]}"; do
  name=${faces[$i]}; half=$((1 + i))
  icon -fill black -draw 'rectangle 0,0 31,31' -fill none -stroke '#A0A0A0' -draw 'rectangle 0,0 31,31' \
      -stroke none -fill '#F0A040' -draw 'ellipse 15.5,17 10,12 0,360' -fill '#F0E060' \
      -draw 'rectangle 7,4 24,8' -fill '#2060FF' -draw 'rectangle 11,13 12,14' -draw 'rectangle 19,13 20,14' \
      -fill '#600000' -draw "rectangle $((15 - half)),22 $((16 + half)),$((23 + i / 3))"
done

# The lamp bars: ten two-pixel lamps in a grey frame, lit from the bottom.
for lit in $(seq 1 10); do
  args=()
  for lamp in $(seq 1 10); do
    y=$((35 - 1 - 3 * lamp - 1))
    if [ "$lamp" -le 3 ]; then on='#00FF00'; off='#007F00'
    elif [ "$lamp" -le 7 ]; then on='#FFFF00'; off='#7F7F00'
    else on='#FF0000'; off='#7F0000'; fi
    colour=$off; [ "$lamp" -le "$lit" ] && colour=$on
    args+=(-fill "$colour" -draw "rectangle 2,$y 8,$((y + 1))")
  done
  "$IM" -size 11x35 xc:'#A0A0A0' "${args[@]}" "PNG24:$out/bar$lit.png"
done

# What the nine places of the board show in a screenshot of its client area
# at 1x (sourced after wine_session.sh): a place shows a picture when a
# dozen of the picture's pixels, spread over it where no other picture of a
# place has their colour, are all there.

places=(upleft:40,80 up:88,80 upright:136,80 leftt:32,112 middle:88,112 right:144,112
    downleft:24,144 down:88,144 downright:160,144)
place_pictures=(ibm ibm2 bang bang2)

# The top-left corner of a place, "x,y".
corner_of() {  # <place>
    local entry
    for entry in "${places[@]}"; do
        [ "${entry%%:*}" != "$1" ] || echo "${entry#*:}"
    done
}

# "picture x y RRGGBB" for the sample pixels of every picture.
sample_pixels() {
    local picture
    for picture in "${place_pictures[@]}"; do
        convert "$art_images/$picture.png" txt:- | sed "s/^/$picture /"
    done | awk '
        $2 ~ /^[0-9]+,[0-9]+:$/ && substr($4, 8, 2) == "FF" {
            at = substr($2, 1, length($2) - 1)
            colour = substr($4, 2, 6)
            if (!(($1, at) in seen)) order[$1] = order[$1] " " at
            seen[$1, at] = colour
        }
        END {
            for (picture in order) {
                n = split(order[picture], all, " ")
                kept = 0
                for (i = 1; i <= n; i++) {
                    unique = 1
                    for (other in order)
                        if (other != picture && seen[other, all[i]] == seen[picture, all[i]]) unique = 0
                    if (unique) candidates[++kept] = all[i]
                }
                for (k = 0; k < 12; k++) {
                    split(candidates[1 + int(k * kept / 12)], xy, ",")
                    print picture, xy[1], xy[2], seen[picture, candidates[1 + int(k * kept / 12)]]
                }
            }
        }'
}

# One format for ImageMagick that prints every sample pixel at every place,
# and the place, picture and colour each stands for, in the same order.
place_format=
place_expected=()
while read -r picture x y colour; do
    for place in "${places[@]}"; do
        at=${place#*:}
        place_format+="%[hex:p{$((${at%,*} + x)),$((${at#*,} + y))}] "
        place_expected+=("${place%%:*}=$picture:$colour")
    done
done < <(sample_pixels)

# Prints "place=picture" for every place that shows one of its pictures.
places_showing() {  # <screenshot>
    local values i key
    read -r -a values < <(convert "$1" -format "$place_format\n" info:)
    declare -A misses=()
    for i in "${!place_expected[@]}"; do
        key=${place_expected[$i]%:*}
        misses[$key]=$((${misses[$key]:-0} + 0))
        [ "${values[$i]:0:6}" = "${place_expected[$i]#*:}" ] || misses[$key]=$((misses[$key] + 1))
    done
    for key in "${!misses[@]}"; do
        [ "${misses[$key]}" -eq 0 ] && echo "$key"
    done
    return 0
}

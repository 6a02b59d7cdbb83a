#!/usr/bin/env bash
# Contact sheets of the skin bitmaps, for people to look at the artwork: one PNG per look (and
# one for the shared images) with every bitmap enlarged three times, labelled with its name,
# under a small mock-up of the look's title bar and controls put together.
#
#   tools/skinart/contact-sheets.sh [bitmap folder] [output folder]
#
# Defaults: resources/skins and build/screenshots of this checkout. LOOKS="MacOS shared" limits
# the sheets drawn.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
src=${1:-$root/resources/skins}
out=${2:-$root/build/screenshots}

if ! command -v montage >/dev/null 2>&1; then
    apt-get install -y imagemagick
fi

mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

sheet_width=1500
# Labels need a scalable font; ImageMagick's default one may not be installed.
font=()
if command -v fc-match >/dev/null 2>&1 && file=$(fc-match -f '%{file}' sans 2>/dev/null) && [[ -f $file ]]; then
    font=(-font "$file")
fi
back='#D8D8D8'

# One labelled, enlarged tile per bitmap.
tile() {
    local name=$1
    convert "$src/$name.bmp" -filter point -scale 300% \
        -bordercolor '#9A9A9A' -border 1 \
        -background "$back" -fill '#202020' "${font[@]}" -pointsize 13 label:"$name" \
        +swap -gravity west -append \
        -bordercolor "$back" -border 8 "$work/tile-$name.png"
}

# Cuts frame `index` (1-based) of `count` equal frames out of a bitmap, fuchsia see-through.
frame() {
    local file=$1 count=$2 index=$3 dest=$4
    local width height
    read -r width height < <(identify -format '%w %h\n' "$file")
    local fw=$((width / count))
    convert "$file" -crop "${fw}x${height}+$(((index - 1) * fw))+0" +repage -transparent '#FF00FF' "$dest"
}

# Crop geometry of `length` lines from `offset` along an axis of a w x h image.
span() {
    local axis=$1 w=$2 h=$3 length=$4 offset=$5
    if [[ $axis == x ]]; then echo "${length}x${h}+${offset}+0"; else echo "${w}x${length}+0+${offset}"; fi
}

# Stretches one axis of an image to `size` the way a nine-piece face is drawn: the two halves
# at natural size and the middle line stretched between them, or the halves trimmed to fit.
stretch_axis() {
    local file=$1 size=$2 axis=$3 dest=$4
    local w h n join=+append
    read -r w h < <(identify -format '%w %h\n' "$file")
    n=$w
    if [[ $axis == y ]]; then
        n=$h
        join=-append
    fi
    local half=$((n / 2))
    if ((size >= n)); then
        local grown="$((size - n + 1))x${h}!"
        if [[ $axis == y ]]; then grown="${w}x$((size - n + 1))!"; fi
        convert "$file" \( -clone 0 -crop "$(span "$axis" "$w" "$h" "$half" 0)" +repage \) \
            \( -clone 0 -crop "$(span "$axis" "$w" "$h" 1 "$half")" +repage -scale "$grown" \) \
            \( -clone 0 -crop "$(span "$axis" "$w" "$h" $((n - half - 1)) $((half + 1)))" +repage \) \
            -delete 0 $join "$dest"
    else
        local first=$((size / 2))
        convert "$file" \( -clone 0 -crop "$(span "$axis" "$w" "$h" "$first" 0)" +repage \) \
            \( -clone 0 -crop "$(span "$axis" "$w" "$h" $((size - first)) $((n - size + first)))" +repage \) \
            -delete 0 $join "$dest"
    fi
}

# A button face of the given size from frame `index` of the look's button image.
face() {
    local prefix=$1 index=$2 width=$3 height=$4 dest=$5
    frame "$src/${prefix}_BUTTON.bmp" 3 "$index" "$work/face.png"
    stretch_axis "$work/face.png" "$width" x "$work/face-x.png"
    stretch_axis "$work/face-x.png" "$height" y "$dest"
}

# Draws the title bar of a window `width` wide, the way the title bar lays out its sections
# and buttons (close right-most, minimise to its left, control box at the left offset).
mockup() {
    local prefix=$1 left_offset=$2 right_offset=$3 top=$4 back_fill=$5
    local width=355
    local title_left="$src/${prefix}_TITLE_LEFT.bmp" title_right="$src/${prefix}_TITLE_RIGHT.bmp"
    local lw rw th
    read -r lw th < <(identify -format '%w %h\n' "$title_left")
    read -r rw _ < <(identify -format '%w %h\n' "$title_right")
    local client=$((width - lw - rw))
    if ((client < 1)); then
        convert "$title_left" -crop "${width}x${th}+0+0" +repage "$work/title.png"
    else
        convert "$title_left" \( "$src/${prefix}_TITLE_CLIENT.bmp" -scale "${client}x${th}!" \) "$title_right" \
            +append "$work/title.png"
    fi
    local strip="$src/${prefix}_TITLEBTN.bmp" bw
    read -r bw _ < <(identify -format '%w %h\n' "$strip")
    bw=$((bw / 18))
    frame "$strip" 18 16 "$work/close.png"
    frame "$strip" 18 13 "$work/min.png"
    frame "$strip" 18 1 "$work/box.png"
    local x=$((width + right_offset + 1 - bw - 1))
    local xm=$((x - bw - 1))
    convert "$work/title.png" \
        "$work/close.png" -geometry "+${x}+${top}" -composite \
        "$work/min.png" -geometry "+${xm}+${top}" -composite \
        "$work/box.png" -geometry "+${left_offset}+${top}" -composite \
        "$work/title.png"

    # The body: form background with the controls in their normal states.
    if [[ -f $back_fill ]]; then
        convert -size "${width}x70" tile:"$back_fill" "$work/body.png"
    else
        convert -size "${width}x70" "xc:$back_fill" "$work/body.png"
    fi
    face "$prefix" 1 58 25 "$work/b1.png"
    face "$prefix" 2 58 25 "$work/b2.png"
    face "$prefix" 3 73 25 "$work/b3.png"
    frame "$src/${prefix}_CHECKBOX.bmp" 4 1 "$work/c1.png"
    frame "$src/${prefix}_CHECKBOX.bmp" 4 2 "$work/c2.png"
    frame "$src/${prefix}_RADIOBUTTON.bmp" 4 1 "$work/r1.png"
    frame "$src/${prefix}_RADIOBUTTON.bmp" 4 2 "$work/r2.png"
    frame "$src/${prefix}_SCROLLBAR_BUTTON.bmp" 6 1 "$work/s1.png"
    frame "$src/${prefix}_SCROLLBAR_BUTTON.bmp" 6 4 "$work/s4.png"
    convert "$work/body.png" \
        "$work/b1.png" -geometry +10+10 -composite \
        "$work/b2.png" -geometry +10+40 -composite \
        "$work/b3.png" -geometry +200+40 -composite \
        "$work/c1.png" -geometry +110+12 -composite \
        "$work/c2.png" -geometry +130+12 -composite \
        "$work/r1.png" -geometry +110+42 -composite \
        "$work/r2.png" -geometry +130+42 -composite \
        "$src/${prefix}_SIDECHENNEL_HANDLE.bmp" -geometry +160+2 -composite \
        "$work/s1.png" -geometry +330+4 -composite \
        "$work/s4.png" -geometry +330+40 -composite \
        "$work/body.png"
    convert "$work/title.png" "$work/body.png" -append -filter point -scale 200% \
        -bordercolor '#303030' -border 1 -bordercolor "$back" -border 8 "$work/mockup.png"
}

# Packs tiles into rows no wider than the sheet and stacks the rows.
pack() {
    local dest=$1
    shift
    local rows=() row=() used=0 n=0
    for t in "$@"; do
        local w
        w=$(identify -format '%w' "$t")
        if ((used + w > sheet_width && ${#row[@]} > 0)); then
            convert -background "$back" "${row[@]}" -gravity north +append "$work/row-$n.png"
            rows+=("$work/row-$n.png")
            n=$((n + 1))
            row=()
            used=0
        fi
        row+=("$t")
        used=$((used + w))
    done
    if ((${#row[@]} > 0)); then
        convert -background "$back" "${row[@]}" -gravity north +append "$work/row-$n.png"
        rows+=("$work/row-$n.png")
    fi
    convert -background "$back" "${rows[@]}" -gravity northwest -append "$dest"
}

look_sheet() {
    local look=$1 prefix=$2 left=$3 right=$4 top=$5 fill=$6
    local tiles=()
    mockup "$prefix" "$left" "$right" "$top" "$fill"
    tiles+=("$work/mockup.png")
    for file in "$src/${prefix}"_*.bmp; do
        local name
        name=$(basename "$file" .bmp)
        tile "$name"
        tiles+=("$work/tile-$name.png")
    done
    pack "$out/contact-$look.png" "${tiles[@]}"
    echo "$out/contact-$look.png"
}

looks=${LOOKS:-MacOS WinXP DeepBlue Protein BlueGlass shared}
for look in $looks; do
    case $look in
    MacOS) look_sheet MacOS MACOS 3 -2 4 "$src/MACOS_FORM_BACKGROUND.bmp" ;;
    WinXP) look_sheet WinXP WINXP 2 -2 5 '#EFEBDE' ;;
    DeepBlue) look_sheet DeepBlue DEEPBLUE 0 0 2 '#E8E8E8' ;;
    Protein) look_sheet Protein PROTEIN 0 0 2 "$src/PROTEIN_FORM_BACKGROUND.bmp" ;;
    BlueGlass) look_sheet BlueGlass BLUEGLASS 4 -3 6 '#E7E7E7' ;;
    shared)
        shared=()
        for name in MORE_SCROLLBUTTON MENU_CHECKED SIDECHANNEL_BTN MSGDLG; do
            tile "$name"
            shared+=("$work/tile-$name.png")
        done
        pack "$out/contact-shared.png" "${shared[@]}"
        echo "$out/contact-shared.png"
        ;;
    *) echo "unknown look: $look" >&2; exit 2 ;;
    esac
done

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

if ! command -v convert >/dev/null 2>&1 || ! command -v identify >/dev/null 2>&1; then
    apt-get install -y imagemagick || { apt-get update && apt-get install -y imagemagick; }
fi

mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

sheet_width=1500
# Labels need a scalable font; ImageMagick's default one may not be installed.
font=()
bold=()
if command -v fc-match >/dev/null 2>&1; then
    if file=$(fc-match -f '%{file}' sans 2>/dev/null) && [[ -f $file ]]; then
        font=(-font "$file")
    fi
    if file=$(fc-match -f '%{file}' sans:bold 2>/dev/null) && [[ -f $file ]]; then
        bold=(-font "$file")
    fi
fi
back='#D8D8D8'

# One labelled, enlarged tile per bitmap.
tile() {
    local name=$1 scale=300%
    local w h
    read -r w h < <(identify -format '%w %h\n' "$src/$name.bmp")
    if ((w == 1)); then
        # One-pixel strips are stretched sideways where they are used; show them so.
        scale="30x$((h * 3))!"
    fi
    convert "$src/$name.bmp" -filter point -scale "$scale" \
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

# A small window of the look put together the way the skinned controls draw their parts: the
# title bar (sections, close and minimise at the right, control box and caption at the left),
# a list with a vertical scroll bar, buttons in their three states, check boxes, radio buttons
# and an open side channel.
mockup() {
    local prefix=$1 left_offset=$2 right_offset=$3 top=$4 back_fill=$5 caption=$6 channel_caption=$7 border=$8
    local width=355 height=120
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
    local strip="$src/${prefix}_TITLEBTN.bmp" bw bh
    read -r bw bh < <(identify -format '%w %h\n' "$strip")
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
        "${bold[@]}" -pointsize 11 -fill "$caption" \
        -annotate "+$((left_offset + bw + 5))+$((top + bh / 2 + 4))" 'My Vornik' \
        "$work/title.png"

    # The body on the form's background.
    if [[ -f $back_fill ]]; then
        convert -size "${width}x${height}" tile:"$back_fill" "$work/body.png"
    else
        convert -size "${width}x${height}" "xc:$back_fill" "$work/body.png"
    fi

    # A list with a vertical scroll bar: arrows at the ends, the slider's three slices turned.
    local scroll="$src/${prefix}_SCROLLBAR_BUTTON.bmp" slider="$src/${prefix}_SCROLLBAR_TRACK.bmp"
    local sw sh track
    read -r sw sh < <(identify -format '%w %h\n' "$scroll")
    sw=$((sw / 6))
    track=$(convert "$scroll" -format '%[pixel:p{0,0}]' info:)
    frame "$scroll" 6 1 "$work/up.png"
    frame "$scroll" 6 4 "$work/down.png"
    frame "$slider" 3 1 "$work/head.png"
    frame "$slider" 3 2 "$work/slice.png"
    frame "$slider" 3 3 "$work/tail.png"
    local list_h=100 slider_len=34
    local fw fh
    read -r fw fh < <(identify -format '%w %h\n' "$work/head.png")
    convert "$work/head.png" \( "$work/slice.png" -scale "$((slider_len - 2 * fw))x${fh}!" \) "$work/tail.png" \
        +append -rotate 90 +repage "$work/slider.png"
    convert -size "$((sw))x$((list_h - 2))" "xc:$track" \
        "$work/up.png" -geometry +0+0 -composite \
        "$work/slider.png" -geometry "+0+$((sh + 8))" -composite \
        "$work/down.png" -geometry "+0+$((list_h - 2 - sh))" -composite \
        "$work/scrollbar.png"
    convert -size "150x${list_h}" xc:white -fill none -stroke "$border" -draw "rectangle 0,0 149,$((list_h - 1))" \
        "$work/scrollbar.png" -geometry "+$((149 - sw))+1" -composite "$work/list.png"

    face "$prefix" 1 58 25 "$work/b1.png"
    face "$prefix" 2 58 25 "$work/b2.png"
    face "$prefix" 3 58 25 "$work/b3.png"
    frame "$src/${prefix}_CHECKBOX.bmp" 4 1 "$work/c1.png"
    frame "$src/${prefix}_CHECKBOX.bmp" 4 2 "$work/c2.png"
    frame "$src/${prefix}_RADIOBUTTON.bmp" 4 1 "$work/r1.png"
    frame "$src/${prefix}_RADIOBUTTON.bmp" 4 2 "$work/r2.png"

    # The open side channel: caption bar stretched along the top, side bar with its handle.
    local cw=88 bar_h
    bar_h=$(identify -format '%h' "$src/${prefix}_SIDECHENNEL_BAR.bmp")
    local side
    side=$(convert "$src/${prefix}_SIDECHENNEL_HANDLE.bmp" -format '%[pixel:p{0,0}]' info:)
    convert -size "${cw}x${height}" xc:white -fill none -stroke "$border" -draw "rectangle 0,0 $((cw - 1)),$((height - 1))" \
        \( "$src/${prefix}_SIDECHENNEL_BAR.bmp" -scale "$((cw - 2))x${bar_h}!" \) -geometry +1+0 -composite \
        -fill "$side" -stroke none -draw "rectangle 1,${bar_h} 8,$((height - 2))" \
        -stroke '#808080' -draw "line 9,${bar_h} 9,$((height - 2))" \
        "$src/${prefix}_SIDECHENNEL_HANDLE.bmp" -geometry "+1+$((bar_h + 10))" -composite \
        -stroke none "${bold[@]}" -pointsize 10 -fill "$channel_caption" -annotate "+22+$((bar_h / 2 + 4))" 'Options' \
        "$src/SIDECHANNEL_BTN.bmp" -transparent '#FF00FF' -geometry "+$((cw - 12))+$(((bar_h - 9) / 2))" -composite \
        "$work/channel.png"

    convert "$work/body.png" \
        "$work/list.png" -geometry +8+10 -composite \
        "$work/b1.png" -geometry +166+10 -composite \
        "$work/b2.png" -geometry +166+45 -composite \
        "$work/b3.png" -geometry +166+80 -composite \
        "$work/c1.png" -geometry +232+14 -composite \
        "$work/c2.png" -geometry +248+14 -composite \
        "$work/r1.png" -geometry +232+49 -composite \
        "$work/r2.png" -geometry +248+49 -composite \
        "$work/channel.png" -geometry "+$((width - cw))+0" -composite \
        "$work/body.png"
    convert "$work/title.png" "$work/body.png" -append -filter point -scale 200% \
        -bordercolor "$border" -border 2 -bordercolor "$back" -border 8 "$work/mockup.png"
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
    local look=$1 prefix=$2
    shift 2
    local tiles=()
    mockup "$prefix" "$@"
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
    # Button offsets and top, form background, caption and side channel caption colours and the
    # control border colour of each look.
    MacOS) look_sheet MacOS MACOS 3 -2 4 "$src/MACOS_FORM_BACKGROUND.bmp" black black '#7F7F7F' ;;
    WinXP) look_sheet WinXP WINXP 2 -2 5 '#EFEBDE' white black '#686868' ;;
    DeepBlue) look_sheet DeepBlue DEEPBLUE 0 0 2 '#E8E8E8' white white black ;;
    Protein) look_sheet Protein PROTEIN 0 0 2 "$src/PROTEIN_FORM_BACKGROUND.bmp" white white black ;;
    BlueGlass) look_sheet BlueGlass BLUEGLASS 4 -3 6 '#E7E7E7' white white black ;;
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

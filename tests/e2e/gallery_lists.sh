#!/usr/bin/env bash
# The skin gallery's list-type, header and colour-keyed controls, under each of the eight
# skins: no control leaves a flat system face over the picture (in each control's rectangle the
# most common colour covers at most 60 %); screenshots of the whole gallery are kept. Then the
# list box, emptied but for two items, shows the skin in its empty part and not what it showed
# before; and the pointer over the list view's header lights the column under it and no other.
source "$(dirname "$0")/common.sh"
BIN=$(dirname "$PROGRAM")
SKINS="$(cd "$(dirname "$0")/../.." && pwd)/assets/skins"
PROBE=$BIN/e2e_window_probe.exe
# The cleanup ends the gallery, not the program, should a check fail.
PROGRAM=$BIN/skin_gallery.exe
GALLERY=YfSkinGallery
probe() { "$RUN" "$PROBE" "$@" | tr -d '\r'; }

CLASSES="ListBox ComboLBox SysListView32 SysTreeView32 SysIPAddress32 SysDateTimePick32
         SysHeader32 SysTabControl32 SysMonthCal32 ToolbarWindow32 RichEdit20W"

"$RUN" cmd /c exit >/dev/null 2>&1
"$RUN" "$PROGRAM" 1 &
program_pid=$!
read -r wx wy ww wh <<<"$(probe wait $GALLERY 60000)" || fail "the gallery did not appear"
probe point 0 0

shoot() { import -window root -crop "${ww}x${wh}+${wx}+${wy}" +repage "$SHOTS/$1.png"; }
# most_common SHOT X Y W H: how many pixels of that rectangle have its most common colour.
most_common() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -format %c histogram:info:- |
        sort -rn | head -1 | awk -F: '{gsub(/ /, "", $1); print $1}'
}

for k in 1 2 3 4 5 6 7 8; do
    probe key $GALLERY $((0x30 + k)) || fail "could not choose skin $k"
    sleep 1.5
    shoot "gallery-lists-skin$k"
    shot=$SHOTS/gallery-lists-skin$k.png
    controls=$(probe controls $GALLERY $CLASSES) || fail "could not list the controls"
    [[ $(wc -l <<<"$controls") -ge 12 ]] || fail "too few controls: $controls"
    worst=0 worst_class=
    while read -r class _ _ x y w h; do
        (( w > 0 && h > 0 )) || continue
        count=$(most_common "$shot" $((x - wx)) $((y - wy)) "$w" "$h")
        [[ $count =~ ^[0-9]+$ ]] || fail "skin $k: could not read the colours of $class"
        share=$((100 * count / (w * h)))
        (( share > worst )) && worst=$share worst_class=$class
        (( share <= 60 )) ||
            fail "skin $k: $class at $x,$y ${w}x${h} is a flat face ($share % one colour)"
    done <<<"$controls"
    echo "skin $k: $(wc -l <<<"$controls") controls over the picture (at most $worst % one colour, $worst_class)"
done

# The list box keeps two items: below them only the skin shows (the picture stretched over the
# window, as under skin 8 now).
read -r _ _ _ lx ly lw lh <<<"$(probe controls $GALLERY ListBox | head -1)"
shoot list-before
probe keep-items $GALLERY ListBox 2 || fail "could not empty the list box"
sleep 1
shoot list-emptied
reference=$SHOTS/gallery-reference8.png
convert "$SKINS/skin8.jpg" -resize "${ww}x${wh}!" "$reference"
# Below the two items kept (the third, highlighted before, included), clear of the border and
# the scroll bar.
ex=$((lx - wx + 2)); ey=$((ly - wy + lh / 4)); ew=$((lw - 24)); eh=$((lh * 3 / 4 - 3))
far() { compare -metric AE -fuzz 5% "$1[${ew}x${eh}+$ex+$ey]" "$reference[${ew}x${eh}+$ex+$ey]" null: 2>&1; }
before=$(far "$SHOTS/list-before.png") || true
after=$(far "$SHOTS/list-emptied.png") || true
echo "list box: $before pixels off the picture with items there, $after once emptied"
(( ${before%% *} * 10 > ew * eh )) || fail "the list box's items did not show ($before)"
(( ${after%% *} * 10 <= ew * eh )) || fail "the emptied list box does not show the skin ($after)"

# The list view's header: its columns are 96 and 64 pixels wide (gallery/list_section_win.cpp).
read -r _ _ _ hx hy _ hh <<<"$(probe controls $GALLERY SysHeader32 | grep ' SysListView32 ')"
[[ -n ${hx:-} ]] || fail "no header in the list view"
cell() { echo "${2}x$((hh - 2))+$((hx - wx + $1))+$((hy - wy + 1))"; }
first=$(cell 2 90); second=$(cell 98 60)
probe point 0 0; sleep 0.5; shoot header-plain
probe point $((hx + 40)) $((hy + hh / 2)); sleep 0.5; shoot header-first
probe point $((hx + 96 + 30)) $((hy + hh / 2)); sleep 0.5; shoot header-second
probe point 0 0
diff_in() { compare -metric AE -fuzz 2% "$SHOTS/$1.png[$3]" "$SHOTS/$2.png[$3]" null: 2>&1; }
lit1=$(diff_in header-plain header-first "$first") || true
other1=$(diff_in header-plain header-first "$second") || true
back1=$(diff_in header-plain header-second "$first") || true
lit2=$(diff_in header-plain header-second "$second") || true
echo "header: first column $lit1 pixels lit (second $other1); then second $lit2 (first $back1)"
(( ${lit1%% *} > 100 && ${other1%% *} == 0 )) || fail "the first column did not light alone"
(( ${lit2%% *} > 100 && ${back1%% *} == 0 )) || fail "the hot column did not move to the second"

probe close $GALLERY
wait_program
[[ $EXIT_CODE == 0 ]] || fail "exit code $EXIT_CODE"
echo "gallery lists: ok"

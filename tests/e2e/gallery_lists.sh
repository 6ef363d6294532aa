#!/usr/bin/env bash
# The skin gallery's list-type, header and colour-keyed controls, under each of the eight
# skins: no control leaves a flat system face over the picture (in each control's rectangle the
# most common colour covers at most 60 %); screenshots of the whole gallery are kept. Then the
# list box, emptied but for two items, shows the skin in its empty part and not what it showed
# before; and the pointer over the list view's header lights the column under it and no other.
source "$(dirname "$0")/common.sh"
PROGRAM=${YF_GALLERY:?the gallery program}
DRIVER=${YF_GALLERY_DRIVER:?the gallery driver}
SKINS="$(cd "$(dirname "$0")/../.." && pwd)/assets/skins"
FAMILIES='^(ListBox|ComboLBox|SysListView32|SysTreeView32|SysIPAddress32|SysDateTimePick32|SysHeader32|SysTabControl32|SysMonthCal32|ToolbarWindow32|RichEdit20W)$'

"$RUN" cmd /c exit >/dev/null 2>&1
"$RUN" "$PROGRAM" 1 &
program_pid=$!
read -r _ _ ww wh <<<"$(driver wait-window 60000)" || fail "the gallery did not appear"
driver hover-off

shoot() {
    local x y w h
    read -r x y w h <<<"$(driver rect)" || fail "no gallery window for screenshot $1"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$SHOTS/$1.png"
}
# share SHOT X Y W H: per cent of the rectangle covered by its most common colour.
share() {
    local top
    top=$(convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -format %c histogram:info:- |
          sort -rn | head -n 1 | awk -F: '{print $1}' | tr -d ' ')
    echo $((top * 100 / ($4 * $5)))
}
# place CLASS [PARENT-CLASS]: "x y w h" of the first such control, window coordinates.
place() {
    driver controls | awk -F'\t' -v c="$1" -v p="${2:-}" \
        '$1 == c && (p == "" || $9 == p) {print $2, $3, $4, $5; exit}'
}

for k in 1 2 3 4 5 6 7 8; do
    driver key "$k" || fail "could not choose skin $k"
    sleep 1.5
    shoot "gallery-lists-skin$k"
    shot=$SHOTS/gallery-lists-skin$k.png
    controls=$(driver controls | awk -F'\t' -v f="$FAMILIES" '$1 ~ f') ||
        fail "could not list the controls"
    [[ $(wc -l <<<"$controls") -ge 12 ]] || fail "too few controls: $controls"
    worst=0 worst_class=
    while IFS=$'\t' read -r class x y w h _; do
        (( w > 0 && h > 0 )) || continue
        percent=$(share "$shot" "$x" "$y" "$w" "$h")
        (( percent > worst )) && worst=$percent worst_class=$class
        (( percent <= 60 )) ||
            fail "skin $k: $class at $x,$y ${w}x${h} is a flat face ($percent % one colour)"
    done <<<"$controls"
    echo "skin $k: $(wc -l <<<"$controls") controls over the picture" \
         "(at most $worst % one colour, $worst_class)"
done

# The list box keeps two items: below them only the skin shows (the picture stretched over the
# window, as under skin 8 now).
read -r lx ly lw lh <<<"$(place ListBox)"
shoot list-before
driver keep-items ListBox 2 || fail "could not empty the list box"
sleep 1
shoot list-emptied
reference=$SHOTS/gallery-reference8.png
convert "$SKINS/skin8.jpg" -resize "${ww}x${wh}!" "$reference"
# Below the two items kept (the third, highlighted before, included), clear of the border and
# the scroll bar.
area="$((lw - 24))x$((lh * 3 / 4 - 3))+$((lx + 2))+$((ly + lh / 4))"
far() { compare -metric AE -fuzz 5% "$1[$area]" "$reference[$area]" null: 2>&1; }
before=$(far "$SHOTS/list-before.png") || true
after=$(far "$SHOTS/list-emptied.png") || true
echo "list box: $before pixels off the picture with items there, $after once emptied"
pixels=$(((lw - 24) * (lh * 3 / 4 - 3)))
(( ${before%% *} * 10 > pixels )) || fail "the list box's items did not show ($before)"
(( ${after%% *} * 10 <= pixels )) || fail "the emptied list box does not show the skin ($after)"

# The list view's header: its columns are 96 and 64 pixels wide (gallery/list_section_win.cpp).
read -r hx hy _ hh <<<"$(place SysHeader32 SysListView32)"
[[ -n ${hx:-} ]] || fail "no header in the list view"
first="90x$((hh - 2))+$((hx + 2))+$((hy + 1))"
second="60x$((hh - 2))+$((hx + 98))+$((hy + 1))"
driver hover-off; sleep 0.5; shoot header-plain
driver hover $((hx + 40)) $((hy + hh / 2)); sleep 0.5; shoot header-first
driver hover $((hx + 96 + 30)) $((hy + hh / 2)); sleep 0.5; shoot header-second
driver hover-off
changed() { compare -metric AE -fuzz 2% "$SHOTS/$1.png[$3]" "$SHOTS/$2.png[$3]" null: 2>&1; }
lit1=$(changed header-plain header-first "$first") || true
other1=$(changed header-plain header-first "$second") || true
back1=$(changed header-plain header-second "$first") || true
lit2=$(changed header-plain header-second "$second") || true
echo "header: first column $lit1 pixels lit (second $other1); then second $lit2 (first $back1)"
(( ${lit1%% *} > 100 && ${other1%% *} == 0 )) || fail "the first column did not light alone"
(( ${lit2%% *} > 100 && ${back1%% *} == 0 )) || fail "the hot column did not move to the second"

driver close
wait_program
[[ $EXIT_CODE == 0 ]] || fail "exit code $EXIT_CODE"
echo "gallery lists: ok"

#!/usr/bin/env bash
# The skin gallery, started with skin 3 on its command line, then switched by the number keys
# through all eight skins: a screenshot of each is kept; in the rectangle of every enabled
# button, trackbar and progress bar the most common colour covers at most 60 % (a flat system
# face would cover nearly all of it); the first skin the command line chose looks like the same
# skin chosen by its key; the pointer over a push button and over a trackbar changes their
# pixels; closing the window ends the gallery with code 0.
source "$(dirname "$0")/common.sh"
PROGRAM=${YF_GALLERY:?the gallery program}
DRIVER=${YF_GALLERY_DRIVER:?the gallery driver}
# Classes of the families checked for a flat face (the ones this window shows of them).
FAMILIES='^(Button|msctls_trackbar32|msctls_progress32)$'

"$RUN" cmd /c exit >/dev/null 2>&1
"$RUN" "$PROGRAM" 3 &
program_pid=$!
driver wait-window 60000 >/dev/null || fail "the gallery window did not appear"
driver hover-off
sleep 2

gallery_shot() {
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

controls=$(driver controls) || fail "could not list the gallery's controls"
checked=$(awk -F'\t' -v f="$FAMILIES" '$1 ~ f && $6 == 1 && $7 != "7"' <<<"$controls")
[[ $(wc -l <<<"$checked") -ge 12 ]] || fail "too few controls to check: $checked"

gallery_shot gallery-start3
for k in 1 2 3 4 5 6 7 8; do
    driver key "$k"
    sleep 1
    gallery_shot "gallery-skin$k"
    worst=0
    while IFS=$'\t' read -r class x y w h _ _ text; do
        s=$(share "$SHOTS/gallery-skin$k.png" "$x" "$y" "$w" "$h")
        (( s <= 60 )) || fail "skin $k: $class \"$text\" at $x,$y ${w}x$h is one flat colour over $s %"
        (( s > worst )) && worst=$s
    done <<<"$checked"
    echo "skin $k: no flat face (the most common colour covers at most $worst % of a control)"
done
changed=$(compare -metric AE -fuzz 3% "$SHOTS/gallery-start3.png" "$SHOTS/gallery-skin3.png" null: 2>&1) || true
(( ${changed%% *} < 500 )) || fail "skin 3 from the command line differs from skin 3 by its key ($changed)"

# hover_changes CLASS TEXT NAME: pixels of the first such control that change under the pointer.
hover_changes() {
    local line x y w h changed
    line=$(awk -F'\t' -v c="$1" -v t="$2" '$1 == c && $8 == t' <<<"$controls" | head -n 1)
    [[ -n $line ]] || fail "no $1 \"$2\" in the gallery"
    IFS=$'\t' read -r _ x y w h _ <<<"$line"
    gallery_shot "$3-before"
    driver hover $((x + w / 2)) $((y + h / 2))
    sleep 1
    gallery_shot "$3-hover"
    driver hover-off
    sleep 1
    changed=$(compare -metric AE -fuzz 2% "$SHOTS/$3-before.png[${w}x${h}+$x+$y]" \
              "$SHOTS/$3-hover.png[${w}x${h}+$x+$y]" null: 2>&1) || true
    echo "${changed%% *}"
}
lit=$(hover_changes Button 普通按钮 gallery-push)
echo "push button: $lit pixels change under the pointer"
(( lit >= 100 )) || fail "hovering the push button changed only $lit pixels"
grown=$(hover_changes msctls_trackbar32 "" gallery-trackbar)
echo "trackbar: $grown pixels change under the pointer"
(( grown >= 20 )) || fail "hovering the trackbar changed only $grown pixels"

driver close
wait_program
[[ $EXIT_CODE == 0 ]] || fail "exit code $EXIT_CODE"
echo "gallery: ok"

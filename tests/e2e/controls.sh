#!/usr/bin/env bash
# The skinned controls of the real program: under each of the eight skins the insides of both
# group boxes show the skin picture (no grey system rectangle, no unpainted area), compared
# strip by strip with the skin's JPEG scaled to the window; the labels lying on the boxes keep
# their texts; and the pointer over the reminder box lights its frame, which goes back to its
# quiet look when the pointer leaves.
source "$(dirname "$0")/common.sh"
SKINS="$(cd "$(dirname "$0")/../.." && pwd)/assets/skins"

"$RUN" cmd /c exit >/dev/null 2>&1
start_program
driver wait-window 60000 >/dev/null || fail "main window did not appear"
driver hover-off
sleep 1
read -r _ _ width height <<<"$(driver rect)"
strips=$(driver free-strips) || fail "could not list the free parts of the group boxes"
[[ $(wc -l <<<"$strips") -ge 4 ]] || fail "too few free strips: $strips"

# far_pixels SHOT REFERENCE X Y W H: pixels of one strip that differ from the reference by more
# than scaling and JPEG decoding make them differ.
far_pixels() {
    local crop="${5}x${6}+${3}+${4}"
    compare -metric AE -fuzz 5% "$1[$crop]" "$2[$crop]" null: 2>&1
}

for k in 1 2 3 4 5 6 7 8; do
    driver skin "$k" || fail "could not choose skin $k"
    sleep 1
    screenshot "controls-skin$k"
    shot=$SHOTS/controls-skin$k.png
    # The picture is stretched over the whole window.
    reference=$SHOTS/controls-reference$k.png
    convert "$SKINS/skin$k.jpg" -resize "${width}x${height}!" "$reference"
    total=0
    while read -r x y w h; do
        far=$(far_pixels "$shot" "$reference" "$x" "$y" "$w" "$h") || true
        [[ ${far%% *} =~ ^[0-9]+$ ]] || fail "could not compare skin $k at $x,$y: $far"
        total=$((total + ${far%% *}))
        # A system-coloured or unpainted strip differs almost everywhere.
        (( ${far%% *} * 10 <= w * h )) ||
            fail "skin $k: the group box at $x,$y ${w}x${h} does not show the picture ($far)"
    done <<<"$strips"
    echo "skin $k: the group boxes show the picture ($total pixels off in all strips)"
done

texts=$(driver texts)
for expected in "透明标签_功能=定时关机" "透明标签6=分钟" "透明标签_秒钟=00"; do
    grep -qxF "$expected" <<<"$texts" || fail "missing $expected after switching skins"
done

# The reminder box's frame: quiet, lit under the pointer, quiet again after it left.
read -r bx by bw bh <<<"$(driver control-rect 编辑框1)" || fail "no reminder box"
frame_crop="${bw}x${bh}+$bx+$by"
screenshot hover-before
driver hover 编辑框1
sleep 1
screenshot hover-on
driver hover-off
sleep 1
screenshot hover-after
changed() {
    compare -metric AE -fuzz 3% "$SHOTS/$1.png[$frame_crop]" "$SHOTS/$2.png[$frame_crop]" null: 2>&1
}
lit=$(changed hover-before hover-on) || true
back=$(changed hover-before hover-after) || true
echo "reminder box: $lit frame pixels lit under the pointer, $back left afterwards"
(( ${lit%% *} >= 2 * (bw + bh) )) || fail "the reminder box's frame did not light up ($lit)"
(( ${back%% *} == 0 )) || fail "the reminder box's frame stayed lit ($back)"

driver click 超级按钮2
wait_program
[[ $EXIT_CODE == 0 ]] || fail "exit code $EXIT_CODE"
echo "controls: ok"

#!/usr/bin/env bash
# The real program under each of its eight skins, switched through the tray menu's items (the
# first one as a user does it: a click on the tray icon, the menu its half-second timer opens and
# the item chosen in it; the others by the items' commands): a screenshot per skin (kept with
# the others), each skin visibly different from the one before, the texts unchanged by
# switching; then the caption's minimize button hides the window, 显示窗口 chosen from the tray
# menu brings it back unchanged, and exit path B through the caption's close button ends the
# program with code 0.
source "$(dirname "$0")/common.sh"

# Wine's server (and its services) started here with quiet output, not by the program: a server
# the program started would hold this script's output open after it ends.
"$RUN" cmd /c exit >/dev/null 2>&1

start_program
driver wait-window 60000 >/dev/null || fail "main window did not appear"
sleep 1
screenshot skin-start
texts_before=$(driver texts | grep -v '^透明标签_现在时间=') || fail "could not read the labels"

previous=$SHOTS/skin-start.png
for k in 1 2 3 4 5 6 7 8; do
    if [[ $k == 1 ]]; then
        driver tray-choose 皮肤1 || fail "could not choose skin 1 from the tray menu"
    else
        driver skin "$k" || fail "could not choose skin $k"
    fi
    sleep 1
    screenshot "skin$k"
    # Pixels that differ (by more than a little) from the previous skin's screenshot.
    changed=$(compare -metric AE -fuzz 8% "$previous" "$SHOTS/skin$k.png" null: 2>&1) || true
    echo "skin $k: $changed pixels changed"
    [[ ${changed%% *} =~ ^[0-9]+$ ]] || fail "could not compare skin $k: $changed"
    if [[ $k != 8 ]]; then
        (( ${changed%% *} > 8000 )) || fail "skin $k looks like the one before ($changed pixels changed)"
    fi
    previous=$SHOTS/skin$k.png
done
# Skin 8 again, as at start: only the running clock differs.
changed=$(compare -metric AE -fuzz 8% "$SHOTS/skin-start.png" "$SHOTS/skin8.png" null: 2>&1) || true
(( ${changed%% *} < 3000 )) || fail "skin 8 chosen from the menu differs from the start-up skin ($changed)"

texts_after=$(driver texts | grep -v '^透明标签_现在时间=')
[[ $texts_before == "$texts_after" ]] || fail "switching skins changed the texts"

# The caption's minimize button (52 pixels in from the right edge) hides the window to the
# tray; 显示窗口 brings it back, skinned as before.
read -r _ _ width _ <<<"$(driver rect)"
driver press $((width - 52)) 10
for _ in $(seq 50); do [[ $(driver window-state) == hidden ]] && break; sleep 0.1; done
[[ $(driver window-state) == hidden ]] || fail "minimize button did not hide the window"
driver tray-choose 显示窗口 || fail "could not choose 显示窗口 from the tray menu"
driver wait-window 10000 >/dev/null || fail "显示窗口 did not bring the window back"
sleep 1
screenshot skin-restored
changed=$(compare -metric AE -fuzz 8% "$SHOTS/skin8.png" "$SHOTS/skin-restored.png" null: 2>&1) || true
(( ${changed%% *} < 3000 )) || fail "the restored window looks different ($changed pixels changed)"

# The close button sits 20 pixels in from the right edge of the caption bar.
driver press $((width - 20)) 10
wait_program
[[ $EXIT_CODE == 0 ]] || fail "exit code $EXIT_CODE after the caption's close button"
echo "skins: ok"

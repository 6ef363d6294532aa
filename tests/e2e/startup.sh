#!/usr/bin/env bash
# The real program starts, shows its window with the layout's texts (read from outside the
# process) and its icon in the notification area, keeps a screenshot, and ends with code 0
# through its exit button, leaving no icon behind.
source "$(dirname "$0")/common.sh"

start_program
driver wait-window 60000 >/dev/null || fail "window titled 远帆定时关机软件2.0 did not appear"
texts=$(driver texts) || fail "could not read the labels"
echo "$texts"
for expected in "透明标签1=当前时间：" "透明标签_选择功能=选择功能：" "透明标签_功能=定时关机" \
                "透明标签6=分钟" "透明标签_秒钟=00" "超级按钮1=确定" "超级按钮2=退出"; do
    grep -qxF "$expected" <<<"$texts" || fail "missing $expected"
done
sleep 1
screenshot startup
[[ $(driver tray-icons) == 1 ]] || fail "no tray icon: $(driver tray-icons) icons"
driver click 超级按钮2
wait_program
[[ $EXIT_CODE == 0 ]] || fail "exit code $EXIT_CODE"
[[ $(driver tray-icons) == 0 ]] || fail "a tray icon was left behind"
echo "startup: ok"

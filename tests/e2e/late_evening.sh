#!/usr/bin/env bash
# Late in the evening, as a user leaving a download running: the real program started at 23:15
# (Wine's clock faked) proposes 00:16 or so, and "确定" on that proposal counts down about an
# hour to tomorrow's 00:16 without any box. Ended with its exit button before anything fires.
source "$(dirname "$0")/common.sh"

now=$(date +%s)
evening=$(date -d "$(date -d "@$now" +%F) 23:15:00" +%s)
fake_wine_clock $(( evening - now ))
faked "$RUN" "$PROGRAM" &
program_pid=$!
driver wait-window 60000 >/dev/null || fail "main window did not appear"
hour=$(driver text 透明标签_小时); minute=$(driver text 透明标签_分钟)
echo "proposed $hour:$minute"
[[ $hour == 00 && ( $minute == 16 || $minute == 17 ) ]] ||
    fail "proposal $hour:$minute, expected 00:16 (or 00:17 after a slow start)"

driver click 超级按钮1
sleep 1.5
box=$(driver find-box "错误：" 500) && fail "the proposal was refused: $box"
[[ $(driver visible 透明标签_距离关机时间) == 1 ]] || fail "countdown caption not shown"
caption=$(driver text 透明标签_距离关机时间)
left=$(remaining_seconds "$caption")
echo "countdown $caption"
(( left >= 3500 && left <= 3660 )) || fail "countdown shows $left s, expected about an hour"
sleep 2
later=$(remaining_seconds "$(driver text 透明标签_距离关机时间)")
(( later < left )) || fail "countdown not running ($left -> $later)"
screenshot late-evening-counting

driver click 超级按钮2
wait_program
[[ $EXIT_CODE == 0 ]] || fail "exit code $EXIT_CODE"
echo "late_evening: ok"

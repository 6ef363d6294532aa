#!/usr/bin/env bash
# The program's main job, end to end under Wine with the real executable: "定时关机" set a few
# seconds ahead with the window's own spinners, reminder lead 0 and "确定"; the countdown
# caption counts down; "直接重启" in between shows its warning and No leaves the countdown
# running; at the target second ExitWindowsEx ends the processes of the Wine prefix, the
# program with them, and not before. Run it only with a Wine prefix of your own.
source "$(dirname "$0")/common.sh"

LEAD_SECONDS=40  # time for the driver to set the fields and check the warning box

before=$(date +%s)
start_program
driver wait-window 60000 >/dev/null || fail "main window did not appear"
after=$(date +%s)

# Start-up proposal: the next hour and the next minute (minute 59 proposes 00).
hour=$(driver text 透明标签_小时); minute=$(driver text 透明标签_分钟)
ok=
for t in $(seq "$before" "$after"); do
    h=$(date -d "@$t" +%-H); m=$(date -d "@$t" +%-M)
    [[ $hour == $(printf '%02d' $(( (h + 1) % 24 ))) &&
       $minute == $(printf '%02d' $(( (m + 1) % 60 ))) ]] && ok=1
done
[[ -n $ok ]] || fail "proposal $hour:$minute does not follow the start time"

target=$(( $(date +%s) + LEAD_SECONDS ))
read -r th tm ts <<<"$(date -d "@$target" '+%-H %-M %-S')"
echo "target $(date -d "@$target" +%T)"
driver type 编辑框1 0
[[ $(driver text 透明标签_提醒时间) == 0 ]] || fail "lead not mirrored"
spin_to 调节器_小时 透明标签_小时 "$th" 24
spin_to 调节器_分钟 透明标签_分钟 "$tm" 60
spin_to 调节器_秒钟 透明标签_秒钟 "$ts" 60
(( $(date +%s) < target - 15 )) || fail "setting the time took too long"
driver click 超级按钮1
sleep 1.5
[[ $(driver visible 透明标签_距离关机时间) == 1 ]] || fail "countdown caption not shown"
[[ $(driver text 透明标签_距离关机) == "距离关机：" ]] || fail "countdown prefix"
first=$(remaining_seconds "$(driver text 透明标签_距离关机时间)")
expected=$(( target - $(date +%s) ))
(( first >= expected - 2 && first <= expected + 2 )) ||
    fail "countdown shows $first s, expected about $expected"
screenshot schedule-counting

# "直接重启" while counting: the warning, then No.
driver select 组合框1 4
[[ $(driver text 透明标签_功能) == "直接重启" ]] || fail "function label"
driver click 超级按钮1
text=$(driver answer-box "警告：" no) || fail "no warning box"
[[ $text == "警告：系统将重新启动，请确认文件是否保存，单击是重新启动计算机，单击否取消。" ]] ||
    fail "warning text: $text"
sleep 1.5
driver find-box "警告：" 300 >/dev/null && fail "warning box still open"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended after No"
[[ $(driver text 透明标签_距离关机) == "距离关机：" ]] || fail "countdown prefix changed"

# The countdown goes on second by second until the target.
last=$(remaining_seconds "$(driver text 透明标签_距离关机时间)")
(( last < first )) || fail "countdown not running after No ($first -> $last)"
echo "countdown $first s -> $last s"
while (( $(date +%s) < target - 3 )); do
    kill -0 "$program_pid" 2>/dev/null ||
        fail "the program ended $(( target - $(date +%s) )) s early"
    now_left=$(remaining_seconds "$(driver text 透明标签_距离关机时间)")
    (( now_left <= last && now_left >= 0 )) || fail "countdown went from $last to $now_left"
    last=$now_left
    sleep 1
done
echo "last caption read: $last s left"

# From here only the host looks: the power action ends every process of the prefix.
while kill -0 "$program_pid" 2>/dev/null; do
    (( $(date +%s) <= target + 10 )) || fail "the program still runs 10 s after the target"
    sleep 0.1
done
ended=$(date +%s.%N)
program_pid=
echo "program ended at $(date -d "@${ended%.*}" +%T) (target $(date -d "@$target" +%T))"
(( ${ended%.*} >= target )) || fail "the program ended before the target second"
(( ${ended%.*} <= target + 3 )) || fail "the program ended late"
echo "schedule: ok"

#!/usr/bin/env bash
# The timed shutdown across a jump of the clock, as after a laptop's sleep: under faketime the
# real program counts down to a "定时关机" with reminder lead 0, then the clock jumps ten minutes
# past the target. The program does not act in that second: it pops up the one-minute reminder,
# counts that minute down, and only then ExitWindowsEx ends the processes of the Wine prefix.
# Run it only with a Wine prefix of your own.
source "$(dirname "$0")/common.sh"

REMINDER="系统将在1分钟后关闭，请注意保存您的资料！"

fake_wine_clock 0
faked "$RUN" "$PROGRAM" &
program_pid=$!
driver wait-window 60000 >/dev/null || fail "main window did not appear"
target=$(( $(date +%s) + 75 ))
echo "target $(date -d "@$target" +%T)"
driver type 编辑框1 0
set_time "$target"
(( $(date +%s) < target - 20 )) || fail "setting the time took too long"
driver click 超级按钮1
sleep 1.5
left=$(remaining_seconds "$(driver text 透明标签_距离关机时间)")
(( left > 15 && left <= 75 )) || fail "countdown shows $left s before the jump"
driver balloon >/dev/null && fail "a reminder before the jump with lead 0"

# The jump: ten minutes past the target.
jump=$(date +%s)
echo "+$(( target + 600 - jump ))" >"$FAKE_STAMP"
echo "clock jumped at $(date -d "@$jump" +%T) to ten minutes past the target"
sleep 3
kill -0 "$program_pid" 2>/dev/null || fail "the program acted at once after the jump"
text=$(driver balloon) || fail "no reminder after the jump"
[[ $text == "$REMINDER" ]] || fail "reminder text: $text"
left=$(remaining_seconds "$(driver text 透明标签_距离关机时间)")
(( left >= 50 && left <= 60 )) || fail "countdown shows $left s after the jump, expected the added minute"
screenshot clock-jump-reminder
import -window root "$SHOTS/clock-jump-screen.png"

while (( $(date +%s) < jump + 50 )); do sleep 0.5; done
kill -0 "$program_pid" 2>/dev/null || fail "the program ended within 50 s of the jump"
[[ $(driver balloon) == "$REMINDER" ]] || fail "the reminder is gone 50 s after the jump"
left=$(remaining_seconds "$(driver text 透明标签_距离关机时间)")
(( left >= 5 && left <= 12 )) || fail "countdown shows $left s 50 s after the jump"

# The power action ends every process of the prefix, the program with them.
while kill -0 "$program_pid" 2>/dev/null; do
    (( $(date +%s) <= jump + 75 )) || fail "the program still runs 75 s after the jump"
    sleep 0.1
done
ended=$(date +%s)
program_pid=
echo "program ended $(( ended - jump )) s after the jump"
(( ended - jump >= 58 && ended - jump <= 64 )) || fail "ended $(( ended - jump )) s after the jump, not about 60"
echo "clock_jump: ok"

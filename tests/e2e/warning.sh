#!/usr/bin/env bash
# The last minute of a timed shutdown with the real program and its real tray: a shutdown 90 s
# ahead with reminder lead 0 brings the warning window at 60 s or less, at the bottom right of
# the work area, while another program (Wine's notepad) keeps the foreground. "推迟10分钟" in it
# moves the countdown to about ten minutes and the window goes; the tray item "取消定时任务"
# cancels that. A second start cancelled with the warning's "取消" leaves the program running
# past its target with no action. Screenshots land in the usual folder, the warning's own too.
source "$(dirname "$0")/common.sh"

notepad_pid=
stop_notepad() {
    [[ -n $notepad_pid ]] && kill "$notepad_pid" 2>/dev/null
    e2e_cleanup
}
trap stop_notepad EXIT

# warning_field N: field N of the driver's "visible x y w h text" line (0 when there is none).
warning_field() {
    local line
    line=$(driver warning) || { echo 0; return; }
    cut -d' ' -f"$1" <<<"$line"
}
wait_for_warning() {  # wait_for_warning DEADLINE_EPOCH
    while [[ $(warning_field 1) != 1 ]]; do
        (( $(date +%s) <= $1 )) || fail "no warning window by $(date -d "@$1" +%T)"
        sleep 0.3
    done
}

"$RUN" cmd /c exit >/dev/null 2>&1
start_program
driver wait-window 60000 >/dev/null || fail "main window did not appear"
target=$(( $(date +%s) + 90 ))
echo "target $(date -d "@$target" +%T)"
driver type 编辑框1 0
set_time "$target"
(( $(date +%s) < target - 40 )) || fail "setting the time took too long"
driver click 超级按钮1
sleep 1

# The user's work comes to the front while the shutdown counts down.
"$RUN" notepad >/dev/null 2>&1 &
notepad_pid=$!
for _ in $(seq 100); do
    [[ $(driver foreground) =~ (记事本|Notepad) ]] && break
    sleep 0.2
done
before=$(driver foreground)
[[ $before =~ (记事本|Notepad) ]] || fail "notepad did not take the foreground: $before"
(( target - $(date +%s) > 62 )) || fail "notepad took too long to start"
[[ $(warning_field 1) == 0 ]] || fail "a warning more than a minute before the target"

wait_for_warning $(( target - 55 ))
left=$(( target - $(date +%s) ))
sleep 0.5
read -r visible x y w h text <<<"$(driver warning)"
echo "warning: $text at $x,$y (${w}x$h), $left s left"
(( left <= 60 )) || fail "the warning came $left s before the target"
[[ $text =~ ^系统将在([0-9]+)秒后关闭$ ]] || fail "warning text: $text"
(( BASH_REMATCH[1] <= 60 && BASH_REMATCH[1] >= left - 3 )) ||
    fail "the warning says ${BASH_REMATCH[1]} s, about $left s are left"
[[ $(driver foreground) == "$before" ]] || fail "the warning took the foreground: $(driver foreground)"
read -r ax ay aw ah <<<"$(driver work-area)"
(( x + w == ax + aw - 12 && y + h == ay + ah - 12 )) ||
    fail "warning at $x,$y ${w}x$h, not at the bottom right of the work area $ax,$ay ${aw}x$ah"
import -window root -crop "${w}x${h}+${x}+${y}" +repage "$SHOTS/warning-window.png"
import -window root "$SHOTS/warning-screen.png"

driver warning-press 推迟10分钟 || fail "no 推迟10分钟 button"
sleep 1.5
caption=$(driver text 透明标签_距离关机时间)
left=$(remaining_seconds "$caption")
echo "postponed: $caption"
(( left >= 600 && left <= 660 )) || fail "after 推迟10分钟 the countdown shows $caption"
[[ $(warning_field 1) == 0 ]] || fail "the warning stayed after 推迟10分钟"

driver tray-choose 取消定时任务 counting || fail "could not choose 取消定时任务 from the tray"
sleep 1.5
[[ $(driver text 透明标签_距离关机时间) == 已取消 ]] ||
    fail "after the tray's 取消定时任务 the caption reads $(driver text 透明标签_距离关机时间)"

# A second start, cancelled from the warning: the target passes and nothing happens.
target=$(( $(date +%s) + 55 ))
echo "second target $(date -d "@$target" +%T)"
set_time "$target"
(( $(date +%s) < target - 10 )) || fail "setting the second time took too long"
driver click 超级按钮1
wait_for_warning $(( target - 5 ))
driver warning-press 取消 || fail "no 取消 button"
sleep 1.5
[[ $(driver text 透明标签_距离关机时间) == 已取消 ]] || fail "after 取消 the caption reads $(driver text 透明标签_距离关机时间)"
[[ $(warning_field 1) == 0 ]] || fail "the warning stayed after 取消"
while (( $(date +%s) <= target + 5 )); do
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended although its action was cancelled"
    sleep 0.5
done
[[ $(driver text 透明标签_距离关机时间) == 已取消 ]] || fail "the caption changed after the target"
for caption in 错误： 警告：; do
    box=$(driver find-box "$caption" 100) && fail "a box after 取消: $caption $box"
done
screenshot warning-cancelled

driver click 超级按钮2
wait_program
[[ $EXIT_CODE == 0 ]] || fail "exit code $EXIT_CODE"
echo "warning: ok"

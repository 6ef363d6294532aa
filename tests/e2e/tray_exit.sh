#!/usr/bin/env bash
# Exit path A through the tray as a user takes it, while a shutdown counts down: a click on the
# tray icon, the menu its half-second timer opens, 退出 chosen in it. The program ends at once
# with code 0, asks nothing and leaves no icon in the notification area; the countdown goes with it.
source "$(dirname "$0")/common.sh"

"$RUN" cmd /c exit >/dev/null 2>&1
start_program
driver wait-window 60000 >/dev/null || fail "main window did not appear"
[[ $(driver tray-icons) == 1 ]] || fail "no tray icon: $(driver tray-icons) icons"

# The proposed time lies about an hour ahead: 确定 starts counting towards it.
driver type 编辑框1 0
driver click 超级按钮1
sleep 1.5
[[ $(driver visible 透明标签_距离关机时间) == 1 ]] || fail "no countdown running"
screenshot tray-exit-counting

driver tray-choose 退出 counting || fail "could not choose 退出 from the tray menu"
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
    for caption in 询问： 警告： 错误：; do
        box=$(driver find-box "$caption" 100) && fail "退出 asked a question: $caption $box"
    done
    fail "the program still runs 10 s after 退出"
fi
wait_program
[[ $EXIT_CODE == 0 ]] || fail "exit code $EXIT_CODE after 退出"
[[ $(driver tray-icons) == 0 ]] || fail "a tray icon was left behind"
echo "tray_exit: ok"

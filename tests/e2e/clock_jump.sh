#!/usr/bin/env bash
# The timed shutdown across a jump of the clock, as after a laptop's sleep: under faketime the
# real program counts down to a "定时关机" with reminder lead 0, then the clock jumps ten minutes
# past the target. The program does not act in that second: it pops up the one-minute reminder,
# counts that minute down, and only then ExitWindowsEx ends the processes of the Wine prefix.
# Run it only with a Wine prefix of your own.
source "$(dirname "$0")/common.sh"

FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[[ -f $FAKETIME_LIB ]] || fail "libfaketime is missing (scripts/install-deps.sh installs it)"
REMINDER="系统将在1分钟后关闭，请注意保存您的资料！"
prefix=${YF_WINEPREFIX:-${TMPDIR:-/tmp}/yf-wineprefix-$(id -u)}

# A target that would fall after midnight is rejected by design: wait for the new day.
while [[ $(date +%H%M) > 2355 ]]; do sleep 5; done

stamp=$(mktemp)
echo "+0" >"$stamp"
restore_server() {
    e2e_cleanup
    # The next test must not meet a Wine server whose clock is faked.
    WINEPREFIX=$prefix wineserver -k 2>/dev/null
    rm -f "$stamp"
}
trap restore_server EXIT

# Only Wine runs under faketime; this script's own clock stays the real one.
faked() {
    env LD_PRELOAD="$FAKETIME_LIB" FAKETIME_TIMESTAMP_FILE="$stamp" FAKETIME_NO_CACHE=1 \
        FAKETIME_DONT_FAKE_MONOTONIC=1 "$@"
}
# Wine reads the time through its server as well as directly, so the server is restarted under
# faketime too. The prefix must exist first, and must not take a faked date for a reason to
# update itself.
"$RUN" cmd /c exit >/dev/null 2>&1
WINEPREFIX=$prefix wineserver -k 2>/dev/null
WINEPREFIX=$prefix wineserver -w 2>/dev/null
echo disable >"$prefix/.update-timestamp"
WINEPREFIX=$prefix faked wineserver -p </dev/null >/dev/null 2>&1

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
echo "+$(( target + 600 - jump ))" >"$stamp"
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

#!/usr/bin/env bash
# The clock check of the real program under Wine, against a web time page served on 127.0.0.1
# whose clock runs 30 s ahead: the question comes while the window is still hidden; No lets the
# window appear; Yes tries to set the clock, which Wine refuses for want of the privilege, so
# the program runs itself "elevated" to do it, that run is refused too, and the failure box
# follows with its exact text. Then the private request of that run, made by hand: it starts no
# window and no clock check. Uses the program built with the local page's URL.
source "$(dirname "$0")/common.sh"

TIME_PORT=${YF_TIME_PORT:-47613}
PROGRAM=${YF_TIME_PROGRAM:-$(dirname "$PROGRAM")/test_program_localtime.exe}
[[ -f $PROGRAM ]] || fail "no program reading the local time page at $PROGRAM"

QUESTION="询问：本机系统时间不准确，是否同步到北京时间？"
FAILURE="错误：时间同步失败，请检查网络是否可以连接到因特网~"

server_log=$(mktemp)
server_pid=
stop_server() { [[ -n $server_pid ]] && kill "$server_pid" 2>/dev/null; rm -f "$server_log"; }
trap 'stop_server; e2e_cleanup' EXIT

/usr/bin/python3 "$(dirname "$0")/time_page_server.py" --port "$TIME_PORT" --ahead 30 \
    >"$server_log" 2>&1 &
server_pid=$!
for _ in $(seq 50); do grep -q ready "$server_log" && break; sleep 0.1; done
grep -q ready "$server_log" || fail "time page server did not start on port $TIME_PORT: $(cat "$server_log")"

# The question box is up before the main window is shown.
ask() {
    local text state
    text=$(driver find-box 询问： 60000) || fail "no question about the clock ($1)"
    [[ $text == "$QUESTION" ]] || fail "question text: $text"
    state=$(driver window-state)
    [[ $state != visible ]] || fail "window shown before the question was answered ($1)"
}

exit_program() {
    driver click 超级按钮2
    wait_program
    [[ $EXIT_CODE == 0 ]] || fail "exit code $EXIT_CODE"
}

# No: nothing is set and the window appears.
start_program
ask "first start"
import -window root "$SHOTS/clock_question.png"
driver answer-box 询问： no >/dev/null || fail "could not answer No"
driver wait-window 30000 >/dev/null || fail "window did not appear after No"
driver find-box 错误： 500 >/dev/null && fail "a failure box after No"
driver find-box 恭喜： 500 >/dev/null && fail "a success box after No"
exit_program
requests=$(grep -c '^GET /special/time/ HTTP/1.0$' "$server_log")
(( requests == 2 )) || fail "expected one reading (2 requests) before the question, saw $requests"

# Yes: a third reading, then the clock cannot be set under Wine and the failure box says so.
start_program
ask "second start"
driver answer-box 询问： yes >/dev/null || fail "could not answer Yes"
text=$(driver find-box 错误： 30000) || fail "no failure box after Yes"
[[ $text == "$FAILURE" ]] || fail "failure text: $text"
[[ $(driver window-state) != visible ]] || fail "window shown before the failure box was closed"
import -window root "$SHOTS/clock_failure.png"
driver answer-box 错误： ok >/dev/null
driver wait-window 30000 >/dev/null || fail "window did not appear after the failure box"
exit_program
requests=$(grep -c '^GET /special/time/ HTTP/1.0$' "$server_log")
(( requests == 2 + 4 )) || fail "expected 2 + 4 requests in all, saw $requests"

# Wine refuses every clock set, so a well-formed request ends with 1 and any other with 2.
private_run() {  # private_run EXPECTED_EXIT_CODE ARGUMENTS...
    local expected=$1 code
    shift
    "$RUN" "$PROGRAM" "$@" >/dev/null 2>&1
    code=$?
    [[ $code == "$expected" ]] || fail "private request '$*' ended with $code, expected $expected"
}
private_run 1 --set-clock-offset-ms=-30000
private_run 2 --set-clock-offset-ms=abc
private_run 2 --set-clock-offset-ms=1000 more
(( $(grep -c '^GET /special/time/ HTTP/1.0$' "$server_log") == 6 )) ||
    fail "a private request read the web time, as only a normal start does"
[[ $(driver window-state) == none ]] || fail "a main window is left after the private requests"
echo "clock_check: ok"

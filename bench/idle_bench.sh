#!/usr/bin/env bash
# What the program costs while it sits idle: its CPU seconds over 30 s with the window shown
# and with it hidden in the tray, next to plain_clock.exe (a plain window that decodes the same
# picture and rewrites one label each second). Each runs alone on a Wine server and X server of
# its own, whose CPU is counted too. Prints the seconds and the ratios; asserts nothing.
#   bench/idle_bench.sh [build dir] [seconds]
set -u -o pipefail
cd "$(dirname "$0")/.."
build=${1:-build/windows}
seconds=${2:-30}
export YF_WINEPREFIX=${YF_WINEPREFIX:-${TMPDIR:-/tmp}/yf-wineprefix-idle-$(id -u)}
export WINEPREFIX=$YF_WINEPREFIX
RUN=scripts/wine-run.sh

for n in $(seq 220 260); do
    [[ -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    xdpyinfo >/dev/null 2>&1 && break
    kill "$xvfb" 2>/dev/null
done
trap 'wineserver -k 2>/dev/null; kill "$xvfb" 2>/dev/null' EXIT

# CPU time of a process, all its threads, in seconds (the scheduler's nanoseconds, finer than
# the clock ticks of /proc/PID/stat).
cpu() {
    [[ -d /proc/$1/task ]] || { echo 0; return; }
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%.4f\n", sum / 1e9 }'
}
# The first of these processes that runs in our Wine prefix (other prefixes may run the same).
ours() {
    for pid in "$@"; do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$pid"
    done | head -n1
}
server_pid() { ours $(pgrep -x wineserver64) $(pgrep -x wineserver); }

# measure EXE NAME [hide]: prints "program servers" CPU seconds over the quiet period.
measure() {
    local exe=$1 name=$2 hide=${3:-}
    "$RUN" "$build/$exe" >/dev/null 2>&1 &
    local pid=
    for _ in $(seq 200); do pid=$(ours $(pgrep -x "$name")); [[ -n $pid ]] && break; sleep 0.1; done
    [[ -n $pid ]] || { echo "no process $name" >&2; return 1; }
    sleep 5  # start-up and the first clock check are not idling
    if [[ -n $hide ]]; then
        "$RUN" "$build/e2e_driver.exe" minimize >/dev/null 2>&1
        sleep 2
    fi
    local server; server=$(server_pid)
    local p0 s0 x0 p1 s1 x1
    p0=$(cpu "$pid"); s0=$(cpu "$server"); x0=$(cpu "$xvfb")
    sleep "$seconds"
    p1=$(cpu "$pid"); s1=$(cpu "$server"); x1=$(cpu "$xvfb")
    kill "$pid" 2>/dev/null
    wineserver -k 2>/dev/null
    sleep 1
    awk -v a="$p0" -v b="$p1" -v c="$s0" -v d="$s1" -v e="$x0" -v f="$x1" \
        'BEGIN { printf "%.3f %.3f\n", b - a, (d - c) + (f - e) }'
}

"$RUN" cmd /c exit >/dev/null 2>&1
read -r plain plainServers < <(measure plain_clock.exe plain_clock.exe)
read -r shown shownServers < <(measure yfshutdown.exe yfshutdown.exe)
read -r hidden hiddenServers < <(measure yfshutdown.exe yfshutdown.exe hide)
echo "idle for ${seconds} s       program CPU   Wine + X server CPU"
printf "plain clock window  %8.3f s     %8.3f s\n" "$plain" "$plainServers"
printf "program, shown      %8.3f s     %8.3f s\n" "$shown" "$shownServers"
printf "program, in tray    %8.3f s     %8.3f s\n" "$hidden" "$hiddenServers"
awk -v p="$plain" -v ps="$plainServers" -v s="$shown" -v ss="$shownServers" -v h="$hidden" \
    'BEGIN {
        base = (p > 0.001 ? p : 0.001); total = (p + ps > 0.001 ? p + ps : 0.001)
        printf "shown / plain: %.1f (program), %.1f (with servers); goal 5\n", s / base, (s + ss) / total
        printf "in tray: %.3f s of program CPU; goal about 0\n", h
    }'

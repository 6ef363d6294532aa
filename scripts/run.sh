#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it under Wine: on $DISPLAY when there
# is one; otherwise on a virtual X server, where it saves a screenshot of the window and stops.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh || exit 1
cmake --preset windows >/dev/null && cmake --build --preset windows --target yfshutdown e2e_driver || exit 1

program=build/windows/yfshutdown.exe
if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
    exec scripts/wine-run.sh "$program"
fi

shot=build/windows/screenshots/run.png
mkdir -p "$(dirname "$shot")"
for n in $(seq 100 140); do
    [[ -e /tmp/.X$n-lock ]] || break
done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$n"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

scripts/wine-run.sh "$program" &
program_pid=$!
if rect=$(scripts/wine-run.sh build/windows/e2e_driver.exe wait-window 120000 | tr -d '\r'); then
    sleep 2
    read -r x y w h <<<"$rect"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$shot"
    echo "The program is running on a virtual display; screenshot of its window: $shot"
else
    echo "The program's window did not appear." >&2
fi
scripts/wine-run.sh taskkill /f /im yfshutdown.exe >/dev/null 2>&1
kill "$program_pid" 2>/dev/null
WINEPREFIX=${YF_WINEPREFIX:-${TMPDIR:-/tmp}/yf-wineprefix-$(id -u)} wineserver -k 2>/dev/null
kill "$xvfb_pid" 2>/dev/null

#!/usr/bin/env bash
# Runs a Windows executable under Wine: the emulator ctest uses for every Windows-side test, and
# the way the run script starts the program. It keeps one throwaway Wine prefix (Chinese
# locale, font replacements for the faces the program asks for) and, when no X display is
# usable, a private virtual X server for the duration of the command.
set -uo pipefail

prefix=${YF_WINEPREFIX:-${TMPDIR:-/tmp}/yf-wineprefix-$(id -u)}
export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8

started_xvfb=
cleanup() {
    if [[ -n $started_xvfb ]]; then
        wineserver -k 2>/dev/null
        kill "$started_xvfb" 2>/dev/null
    fi
}
trap cleanup EXIT

if [[ -z ${DISPLAY:-} ]] || ! xdpyinfo >/dev/null 2>&1; then
    for n in $(seq 90 140); do
        [[ -e /tmp/.X$n-lock ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        started_xvfb=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
        xdpyinfo >/dev/null 2>&1 && break
        kill "$started_xvfb" 2>/dev/null; started_xvfb=
    done
fi

# First use builds the prefix; the lock keeps parallel tests from racing over it.
(
    flock 9
    if [[ ! -f $prefix/.yf-ready-2 ]]; then
        mkdir -p "$prefix"
        wine wineboot -i >/dev/null 2>&1
        # GDI+ and GDI look faces up by name: map the Chinese faces the program uses to the
        # installed WenQuanYi font, which covers GB2312.
        for face in 宋体 SimSun 幼圆 YouYuan 新宋体 微软雅黑 "Microsoft YaHei"; do
            wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
                /d "WenQuanYi Zen Hei" /f >/dev/null 2>&1
        done
        # No window manager runs on the virtual display; unmanaged windows spare Wine its wait
        # for one on every window that goes away (two seconds each).
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        touch "$prefix/.yf-ready-2"
    fi
) 9>"${prefix%/}.lock"

# A persistent server saves Wine several seconds per test process. A fresh server starts Wine's
# own background processes (services, the desktop) with the first program; let a throwaway
# command be that program, or they would inherit the test's output and ctest would wait on them.
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1

exec_status=0
wine "$@"
exec_status=$?
exit $exec_status

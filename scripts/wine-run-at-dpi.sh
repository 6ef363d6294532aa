#!/usr/bin/env bash
# Runs a Windows executable under Wine as wine-run.sh does, but in a prefix of its own whose
# screen is set to DPI dots per inch (120 = 125 %, 144 = 150 %, 192 = 200 % display scaling):
#   scripts/wine-run-at-dpi.sh 144 program.exe [arguments]
#   scripts/wine-run-at-dpi.sh 144 --host bash tests/e2e/skins.sh ...   (a host command, such as
#       an end-to-end script, whose own wine-run.sh calls then all use the prefix at that DPI)
# The prefix is the usual one with "-dpi<DPI>" appended, so the other tests' prefix stays at
# 96; its Wine server is ended when the command ends, so none is left running.
set -uo pipefail

dpi=${1:?usage: wine-run-at-dpi.sh DPI program [arguments]}
shift
here=$(cd "$(dirname "$0")" && pwd)
base=${YF_WINEPREFIX:-${TMPDIR:-/tmp}/yf-wineprefix-$(id -u)}
export YF_WINEPREFIX=${base%/}-dpi$dpi
export WINEPREFIX=$YF_WINEPREFIX

trap 'wineserver -k 2>/dev/null' EXIT

(
    flock 8
    if [[ ! -f $YF_WINEPREFIX/.yf-dpi-$dpi ]]; then
        # Built like every test's prefix first (locale, fonts, unmanaged windows).
        "$here/wine-run.sh" cmd /c exit >/dev/null 2>&1
        # Wine reads the DPI once, when its server and desktop start: set it, then end the
        # server so the next command starts one that reads it.
        "$here/wine-run.sh" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
            /d "$dpi" /f >/dev/null 2>&1
        wineserver -k 2>/dev/null
        wineserver -w 2>/dev/null
        touch "$YF_WINEPREFIX/.yf-dpi-$dpi"
    fi
) 8>"${YF_WINEPREFIX}.dpi-lock"

if [[ ${1:-} == --host ]]; then
    shift
    "$@"
else
    "$here/wine-run.sh" "$@"
fi

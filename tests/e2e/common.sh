# Shared by the end-to-end scripts: arguments, a display shared by the program and the driver,
# and small helpers. Source it; it sets PROGRAM, DRIVER, SHOTS and RUN.
set -u -o pipefail
PROGRAM=$1
DRIVER=$2
SHOTS=$3
RUN="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/wine-run.sh"
mkdir -p "$SHOTS"

own_xvfb=
program_pid=
e2e_cleanup() {
    if [[ -n $program_pid ]]; then
        # A failed check can leave the program running (or stuck in a box): end it for real.
        "$RUN" taskkill /f /im "$(basename "$PROGRAM")" >/dev/null 2>&1
        kill "$program_pid" 2>/dev/null
    fi
    if [[ -n $own_xvfb ]]; then
        WINEPREFIX=${YF_WINEPREFIX:-${TMPDIR:-/tmp}/yf-wineprefix-$(id -u)} wineserver -k 2>/dev/null
        kill "$own_xvfb" 2>/dev/null
    fi
}
trap e2e_cleanup EXIT

# The program and the driver must see the same X server.
if [[ -z ${DISPLAY:-} ]] || ! xdpyinfo >/dev/null 2>&1; then
    for n in $(seq 141 190); do
        [[ -e /tmp/.X$n-lock ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        own_xvfb=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
        xdpyinfo >/dev/null 2>&1 && break
        kill "$own_xvfb" 2>/dev/null; own_xvfb=
    done
fi

fail() { echo "FAIL: $*" >&2; exit 1; }
# Wine's console ends lines with CR LF.
driver() { "$RUN" "$DRIVER" "$@" | tr -d '\r'; }

start_program() {
    "$RUN" "$PROGRAM" &
    program_pid=$!
}

# Waits for the program to end and leaves its exit code in EXIT_CODE (not in a subshell:
# only this shell can wait for its child).
wait_program() {
    wait "$program_pid"
    EXIT_CODE=$?
    program_pid=
}

# screenshot NAME: the main window as the user sees it, cropped from the screen.
screenshot() {
    local rect
    rect=$(driver rect) || fail "no window for screenshot $1"
    read -r x y w h <<<"$rect"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$SHOTS/$1.png"
}

# steps FROM TO MODULUS: presses from FROM to TO, as "up N" or "down N", whichever is fewer.
steps() {
    local up=$(( ($2 - $1 + $3) % $3 ))
    if (( up <= $3 - up )); then echo "up $up"; else echo "down $(( $3 - up ))"; fi
}
spin_to() {  # spin_to SPINNER LABEL VALUE MODULUS
    local current direction count
    current=$(driver text "$2") || fail "cannot read $2"
    read -r direction count <<<"$(steps $((10#$current)) "$3" "$4")"
    (( count > 0 )) && driver spin "$1" "$direction" "$count"
    [[ $(driver text "$2") == $(printf '%02d' "$3") ]] || fail "$2 did not reach $3"
}
# set_time EPOCH: the hour, minute and second fields to that moment, with the window's spinners.
set_time() {
    local th tm ts
    read -r th tm ts <<<"$(date -d "@$1" '+%-H %-M %-S')"
    spin_to 调节器_小时 透明标签_小时 "$th" 24
    spin_to 调节器_分钟 透明标签_分钟 "$tm" 60
    spin_to 调节器_秒钟 透明标签_秒钟 "$ts" 60
}
remaining_seconds() {  # "H小时MM分SS秒" -> seconds
    local caption=$1 h m s
    [[ $caption =~ ^([0-9]+)小时([0-9]+)分([0-9]+)秒$ ]] || { echo -1; return; }
    h=${BASH_REMATCH[1]}; m=${BASH_REMATCH[2]}; s=${BASH_REMATCH[3]}
    echo $(( 10#$h * 3600 + 10#$m * 60 + 10#$s ))
}

# Wine under libfaketime: fake_wine_clock OFFSET puts OFFSET seconds (signed) into a stamp file that
# faked() passes on, restarts the Wine server under it (Wine reads the time through its server
# as well as directly) and leaves a trap that restores a real server. Writing a new offset into
# $FAKE_STAMP later jumps the running program's clock. This script's own clock stays the real one.
FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
FAKE_STAMP=
faked() {
    env LD_PRELOAD="$FAKETIME_LIB" FAKETIME_TIMESTAMP_FILE="$FAKE_STAMP" FAKETIME_NO_CACHE=1 \
        FAKETIME_DONT_FAKE_MONOTONIC=1 "$@"
}
fake_wine_clock() {
    [[ -f $FAKETIME_LIB ]] || fail "libfaketime is missing (scripts/install-deps.sh installs it)"
    prefix=${YF_WINEPREFIX:-${TMPDIR:-/tmp}/yf-wineprefix-$(id -u)}
    FAKE_STAMP=$(mktemp)
    printf '%+d\n' "$1" >"$FAKE_STAMP"
    restore_server() {
        e2e_cleanup
        # The next test must not meet a Wine server whose clock is faked.
        WINEPREFIX=$prefix wineserver -k 2>/dev/null
        rm -f "$FAKE_STAMP"
    }
    trap restore_server EXIT
    # The prefix must exist first, and must not take a faked date for a reason to update itself.
    "$RUN" cmd /c exit >/dev/null 2>&1
    WINEPREFIX=$prefix wineserver -k 2>/dev/null
    WINEPREFIX=$prefix wineserver -w 2>/dev/null
    echo disable >"$prefix/.update-timestamp"
    WINEPREFIX=$prefix faked wineserver -p </dev/null >/dev/null 2>&1
}

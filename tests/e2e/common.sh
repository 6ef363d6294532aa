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

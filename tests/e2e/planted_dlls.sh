#!/usr/bin/env bash
# Stand-in DLLs named like the system DLLs the program uses, left beside a copy of it (as a web
# page can leave a file in a downloads folder), are never loaded: not by a normal start, whose
# window still shows with the real DLLs, and not by the private clock-setting run, which is the
# run Windows starts elevated. Windows looks in a program's folder first for every DLL that is not
# one of its known DLLs; Wine does so only for the DLLs it is told to prefer there (n,b).
source "$(dirname "$0")/common.sh"
: "${YF_STAND_INS:?}" "${YF_IMPORT_ALL_PROBE:?}" "${YF_PLANTED_NAMES:?}"

folder=$(mktemp -d "${TMPDIR:-/tmp}/yf-planted.XXXXXX")
trap 'e2e_cleanup; rm -rf "$folder"' EXIT
cp "$YF_STAND_INS"/*.dll "$PROGRAM" "$YF_IMPORT_ALL_PROBE" "$folder"/
PROGRAM=$folder/$(basename "$PROGRAM")
probe=$folder/$(basename "$YF_IMPORT_ALL_PROBE")
overrides="mscoree,mshtml=;$YF_PLANTED_NAMES=n,b"

expected_markers=$(tr ',' '\n' <<<"$YF_PLANTED_NAMES" | sed 's/$/.dll.loaded/' | sort | xargs)
markers() { (cd "$folder" && ls -- *.loaded 2>/dev/null | tr '[:upper:]' '[:lower:]' | sort | xargs); }

# The check can see a planted DLL: a program importing them the usual way loads every stand-in.
WINEDLLOVERRIDES=$overrides "$RUN" "$probe" || fail "the import probe failed"
[[ $(markers) == "$expected_markers" ]] ||
    fail "the stand-ins are not what Wine loads: markers '$(markers)', expected '$expected_markers'"
rm -f "$folder"/*.loaded

WINEDLLOVERRIDES=$overrides start_program
driver wait-window 60000 >/dev/null
shown=$?
# A program that took a stand-in may well die of it: the markers tell first.
[[ -z $(markers) ]] || fail "the program loaded from its own folder: $(markers)"
(( shown == 0 )) || fail "the window did not appear"
texts=$(driver texts) || fail "could not read the labels"
grep -qxF "超级按钮1=确定" <<<"$texts" || fail "the window lacks its controls: $texts"
# The start-up clock check has read the web page (or failed to) by now; painting used GDI+.
sleep 2
[[ -z $(markers) ]] || fail "the program loaded from its own folder: $(markers)"
driver click 超级按钮2
wait_program
[[ $EXIT_CODE == 0 ]] || fail "exit code $EXIT_CODE"
[[ -z $(markers) ]] || fail "the program loaded from its own folder: $(markers)"

# The private run (0 = set, 1 = refused by the system, as under Wine; 2 would be a refused
# argument, which would not test the run at all).
WINEDLLOVERRIDES=$overrides "$RUN" "$PROGRAM" --set-clock-offset-ms=0
code=$?
(( code == 0 || code == 1 )) || fail "the private run ended with $code"
[[ -z $(markers) ]] || fail "the private run loaded from its own folder: $(markers)"
echo "planted_dlls: ok"

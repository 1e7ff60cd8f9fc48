#!/usr/bin/env bash
# Runs a Windows program under Wine in Wine's virtual desktop, inside an X server of its own.
# Wine draws window frames only in its virtual desktop, so a program's own frame painting
# shows there. The program's output is this script's; the X server and the prefix's Wine
# server are ended afterwards, also when the time limit ends the program.
#   scripts/wine-desktop.sh [--timeout SECONDS] PROGRAM.exe [ARGUMENTS...]
# WINEPREFIX names the prefix; VANTOREL_WINE the wine loader (default: wine64 on the PATH or
# in /usr/lib/wine). The exit status is the program's run, not its own exit code (Wine's
# desktop does not pass that on): 124 when the time limit ended it.
set -euo pipefail

limit=100
if [ "${1:-}" = --timeout ]; then
    limit=$2
    shift 2
fi
[ $# -ge 1 ] || {
    echo "usage: $0 [--timeout SECONDS] PROGRAM.exe [ARGUMENTS...]" >&2
    exit 2
}

wine=${VANTOREL_WINE:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)

# Xvfb takes the first free display and tells its number on a pipe.
display_file=$(mktemp)
xvfb_pid=
cleanup() {
    timeout 20 "$wineserver" -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -f "$display_file"
}
trap cleanup EXIT
exec 3>"$display_file"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
[ -s "$display_file" ] || {
    echo "$0: Xvfb did not start" >&2
    exit 1
}
export DISPLAY=:$(cat "$display_file")

# A desktop of its own per run; the program is ended with it at the time limit.
timeout --kill-after=10 "$limit" "$wine" explorer /desktop="vantorel-$$,1024x768" "$@"

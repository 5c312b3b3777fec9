#!/bin/sh
# Runs a command on a virtual X screen of the given size under the openbox window manager, as on a player's
# desktop; the screen and the window manager end with the command, whose exit status is returned.
#   sh tools/under-window-manager.sh 1024x768 build/bin/vemo
set -e
[ $# -ge 2 ] || { echo "usage: $0 WIDTHxHEIGHT COMMAND [ARGUMENTS]" >&2; exit 2; }
size=$1
shift
for tool in Xvfb openbox xprop; do
    command -v $tool >/dev/null || { echo "$0: $tool is missing (sh tools/setup-debian.sh installs it)" >&2; exit 2; }
done

scratch=$(mktemp -d)
xvfb=
wm=
stop() {
    [ -z "$wm" ] || kill "$wm" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$scratch"
}
trap stop EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display and writes its number once it takes connections. Neither wait below has a time
# limit of its own: on a busy machine starting may take long, and the test's own timeout bounds it.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
until [ -s "$scratch/display" ]; do
    if ! kill -0 $xvfb 2>/dev/null; then
        cat "$scratch/xvfb.log" >&2
        echo "$0: Xvfb did not start" >&2
        exit 2
    fi
    sleep 0.1
done
DISPLAY=:$(head -n 1 "$scratch/display")
export DISPLAY

# openbox with its own settings folder, so that a user's configuration does not change what is checked.
XDG_CONFIG_HOME=$scratch/config XDG_CACHE_HOME=$scratch/cache openbox >"$scratch/openbox.log" 2>&1 &
wm=$!
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    if ! kill -0 $wm 2>/dev/null; then
        cat "$scratch/openbox.log" >&2
        echo "$0: openbox did not start" >&2
        exit 2
    fi
    sleep 0.1
done

QT_QPA_PLATFORM=xcb "$@"

#!/bin/sh
# The editor opens maximized under a real window manager when "Maximize on
# Startup" is on (the default: no settings file yet). Runs on a display of its
# own, so the window manager touches no other test's windows.
#   starts_maximized.sh PATH/TO/Meshsmith
set -eu
program=$1
for tool in xvfb-run openbox xprop xwininfo; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$program" "$folder/Meshsmith"

xvfb-run -a -s "-screen 0 1280x800x24" sh -s "$folder" <<'SESSION'
folder=$1
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
"$folder/Meshsmith" >"$folder/out.txt" 2>&1 &
editor=$!
state=""
for _ in $(seq 1 100); do
    window=$(xwininfo -root -tree | awk '/"Meshsmith [^"]* - \[/ { print $1; exit }')
    if [ -n "$window" ]; then
        state=$(xprop -id "$window" _NET_WM_STATE)
        case "$state" in *MAXIMIZED_HORZ*MAXIMIZED_VERT* | *MAXIMIZED_VERT*MAXIMIZED_HORZ*) break ;; esac
    fi
    sleep 0.1
done
kill "$editor" "$wm" 2>/dev/null
case "$state" in
    *MAXIMIZED_HORZ*) echo "maximized: $state" ;;
    *) echo "FAIL: the editor's window is not maximized ($state)"; cat "$folder/out.txt"; exit 1 ;;
esac
SESSION

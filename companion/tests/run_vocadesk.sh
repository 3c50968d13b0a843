#!/bin/sh
# Starts the vocadesk in the given program folder on the current X display,
# opens its popup menu with a click on the window, chooses "退出(&E)" by its
# access key and waits for the program to end. Run it under xvfb-run.
set -eu
folder=$1
cd "$folder"
./vocadesk >vocadesk.log 2>&1 &
pid=$!

wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Parlodesk$' | head -n 1) || {
    echo "no window"; kill "$pid" 2>/dev/null; exit 1; }
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove $((X + 20)) $((Y + HEIGHT - 8)) click 1
sleep 1
xdotool key e

for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; exit $?; }
    sleep 0.1
done
echo "still running after the menu's exit"
kill "$pid" 2>/dev/null
exit 1

#!/usr/bin/env bash
# Retakes the user guide's screenshots from the real program under Xvfb, with the default test
# file and default settings, into docs/screenshots/.
# Usage: tools/screenshots/take_screenshots.sh [path/to/lorvane]
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tests/e2e/lib/e2e_common.bash" "${1:-$here/../../build/release/lorvane}"
out=$SOURCE_DIR/docs/screenshots
mkdir -p "$out"
start_x

# The main window's frame as the user sees it, without the empty screen around it.
grab()
{
    local id=$1 name=$2
    sleep 0.4
    import -window "$id" "$out/$name.png"
    echo "$out/$name.png"
}

launch "$WORK/shots.err"
pid=$!
main_id=$(wait_main_window "$pid" 20)
xdotool windowfocus --sync "$main_id" 2>/dev/null || true
sleep 0.5
grab "$main_id" idle

xdotool key alt+f
sleep 0.3
xdotool key Return
sleep 0.5
xdotool key 2
grab "$main_id" question

xdotool mousemove --window "$main_id" 55 35 click 1
grab "$main_id" pause
xdotool mousemove --window "$main_id" 400 300 click --repeat 2 --delay 80 1
sleep 0.5

for i in $(seq 30); do
    xdotool key $(((i % 4) + 1)) Return
    sleep 0.12
done
sleep "${LORVANE_RESULTS_SECONDS:-12}"
grab "$main_id" results

xdotool key alt+o
sleep 0.3
xdotool key Return
properties=$(wait_window "$pid" "  Configure" 10) && grab "$properties" properties
xdotool key Escape
sleep 0.5
xdotool windowfocus --sync "$main_id" 2>/dev/null || true
xdotool key alt+a
sleep 0.3
xdotool key Return
about=$(wait_window "$pid" "  About Lorvane 2004" 10) && grab "$about" about

kill -9 "$pid"
wait "$pid" 2>/dev/null || true

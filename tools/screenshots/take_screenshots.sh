#!/usr/bin/env bash
# Retakes the user guide's screenshots from the real program under Xvfb, with the default test
# file and default settings, into docs/screenshots/.
# Usage: tools/screenshots/take_screenshots.sh [--scale FACTOR] [--dpi DPI] [--screen WxH]
#                                             [--language hy] [--out DIR] [path/to/lorvane]
# --scale sets Qt's scale factor, --dpi the X server's and the desktop's (Xft.dpi) resolution,
# --screen the screen's size (a scale of 2 wants a screen twice as large as the window); any of
# them takes the splash too, to look at the program at other scales. --language hy takes the
# Armenian interface, into docs/screenshots/hy/ unless --out says otherwise.
# The options travel in the environment: the shared end-to-end support starts this script again
# in a namespace of its own, with the program's path as its only argument.
export SHOT_SCALE=${SHOT_SCALE:-} SHOT_DPI=${SHOT_DPI:-} SHOT_SCREEN=${SHOT_SCREEN:-} SHOT_OUT=${SHOT_OUT:-}
export SHOT_LANGUAGE=${SHOT_LANGUAGE:-}
while [ $# -gt 1 ]; do
    case $1 in
    --scale) SHOT_SCALE=$2 ;;
    --dpi) SHOT_DPI=$2 ;;
    --screen) SHOT_SCREEN=$2 ;;
    --out) SHOT_OUT=$(realpath -m "$2") ;;
    --language) SHOT_LANGUAGE=$2 ;;
    *) break ;;
    esac
    shift 2
done
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tests/e2e/lib/e2e_common.bash" "$(realpath "${1:-$here/../../build/release/lorvane}")"
scale=$SHOT_SCALE dpi=$SHOT_DPI
out=${SHOT_OUT:-$SOURCE_DIR/docs/screenshots${SHOT_LANGUAGE:+/$SHOT_LANGUAGE}}
program_language=${LANG:-C.UTF-8}
if [ "$SHOT_LANGUAGE" = hy ]; then
    program_language=hy_AM.UTF-8 # for the program alone: the X tools here have no Armenian locale
    export LANG=C.UTF-8
fi
mkdir -p "$out"
server=()
[ -n "$SHOT_SCREEN" ] && server+=(-screen 0 "${SHOT_SCREEN}x24")
[ -n "$dpi" ] && server+=(-dpi "$dpi")
start_x "${server[@]}"
[ -n "$dpi" ] && xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$dpi"
[ -n "$scale" ] && export QT_SCALE_FACTOR=$scale

# The dialog that has just opened, whatever its title's language: the program's visible window,
# not the main one, at least 300 pixels wide (no menu).
dialog_of()
{
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$pid" 2>/dev/null); do
        [ "$id" != "$main_id" ] && [ "$(window_area "$id" | cut -dx -f1)" -ge 300 ] && echo "$id" && return 0
    done
    return 1
}
wait_dialog() { wait_for 10 dialog_of; }

# The main window's frame as the user sees it, without the empty screen around it.
grab()
{
    local id=$1 name=$2
    sleep 0.4
    import -window "$id" "$out/$name.png"
    echo "$out/$name.png"
}

LANG=$program_language launch "$WORK/shots.err"
pid=$!
if [ -n "$scale$dpi$SHOT_SCREEN" ]; then
    # The splash is up for one second: taken as soon as it shows.
    splash=$(wait_window "$pid" "" 5)
    sleep 0.2
    import -window "$splash" "$out/splash.png"
fi
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
properties=$(wait_dialog) && grab "$properties" properties
xdotool key Escape
sleep 0.5
xdotool windowfocus --sync "$main_id" 2>/dev/null || true
xdotool key alt+a
sleep 0.3
xdotool key Return
about=$(wait_dialog) && grab "$about" about

kill -9 "$pid"
wait "$pid" 2>/dev/null || true

#!/usr/bin/env bash
# What the picture areas show on a desktop: a drawing survives its window being grown, shrunk
# and restored, and a pause screen leaves nothing of itself behind, at fractional and whole
# scales. The screen is large enough for the window at twice its size.
source "$(dirname "$0")/lib/e2e_common.bash"
start_x -screen 0 1800x1400x24

pause_colour='rgb(0,0,128)' # the pause screen's text and the ordinal's

# Pixels of exactly the given colour in a screenshot.
pixels_of()
{
    convert "$1" -fill 'rgb(1,2,3)' -opaque "$2" -fill black +opaque 'rgb(1,2,3)' -fill white -opaque 'rgb(1,2,3)' \
        -format '%[fx:round(mean*w*h)]' info:
}

# Pixels that differ by more than a tenth between two screenshots, the countdown blanked out.
differing_pixels()
{
    convert "$1" -fill black -draw "rectangle $3" "$WORK/first.png"
    convert "$2" -fill black -draw "rectangle $3" "$WORK/second.png"
    compare -metric AE -fuzz 10% "$WORK/first.png" "$WORK/second.png" null: 2>&1 || true
}

# Starts the program at a scale with a test running; sets pid and main_id.
start_test()
{
    QT_SCALE_FACTOR=$1 launch "$WORK/run-$1.err"
    pid=$!
    main_id=$(wait_main_window "$pid" 20) || main_id=
    menu_start "$main_id"
    sleep 1 # the question, its picture and the numbers are drawn
}

quit_program()
{
    menu_quit "$main_id"
    exits_with "$pid" 5 0 || kill -9 "$pid"
}

# Grown, shrunk to 500 x 400 and restored, the window shows what it showed (but the countdown).
start_test 1
import -window "$main_id" "$SHOTS/design.png"
read -r width height < <(window_area "$main_id" | awk -Fx '{ split($2, h, "+"); print $1, h[1] }')
for size in "$((width + 200)) $((height + 150))" "500 400" "$width $height"; do
    xdotool windowsize --sync "$main_id" $size
    sleep 0.5
done
import -window "$main_id" "$SHOTS/restored.png"
differing=$(differing_pixels "$SHOTS/design.png" "$SHOTS/restored.png" "634,328 770,458")
check "grown, shrunk and restored, the window shows what it did ($differing pixels differ)" test "$differing" -le 5
quit_program

# Paused and resumed: no pixel of the pause colour more than before the pause.
for scale in 1.5 2; do
    start_test "$scale"
    import -window "$main_id" "$SHOTS/before_pause_$scale.png"
    # The toolbar's Pause button, at its place in the scaled window.
    xdotool mousemove --window "$main_id" $(awk -v s="$scale" 'BEGIN { printf "%d %d", 57 * s, 36 * s }') click 1
    paused() { import -window "$main_id" "$SHOTS/paused_$scale.png" && [ "$(pixels_of "$SHOTS/paused_$scale.png" "$pause_colour")" -gt 1000 ]; }
    check "at scale $scale the pause screen shows" wait_for 5 paused
    use_menu "$main_id" f Return # File > Resume
    sleep 0.5
    import -window "$main_id" "$SHOTS/resumed_$scale.png"
    before=$(pixels_of "$SHOTS/before_pause_$scale.png" "$pause_colour")
    after=$(pixels_of "$SHOTS/resumed_$scale.png" "$pause_colour")
    check "at scale $scale nothing of the pause screen stays ($after pixels of its colour, $before before)" \
        test "$after" -eq "$before"
    quit_program
done

finish

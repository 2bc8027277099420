#!/usr/bin/env bash
# A whole test with the keyboard only, in the real program: start from the menu, thirty answers,
# the results scrolled to their end, quit from the menu.
source "$(dirname "$0")/lib/e2e_common.bash"
start_x

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# The results area of the main window at its design size.
results_area="600x300+97+65"
results_sum() { import -window "$main_id" -crop "$results_area" +repage gray:- | md5sum; }

# Waits until the results area has not changed for four seconds (longer than the scroll's
# 2.5-second stops), at most the given number of seconds.
wait_scroll_end()
{
    local limit=$1 last= same=0 sum
    for _ in $(seq "$limit"); do
        sum=$(results_sum)
        if [ "$sum" = "$last" ]; then same=$((same + 1)); else same=0; fi
        [ "$same" -ge 4 ] && return 0
        last=$sum
        sleep 1
    done
    return 1
}

# Prints "top centre pixels" of the pixels of one exact colour in the results area.
colour_rows()
{
    local shot=$1 colour=$2 marker="rgb(1,2,3)"
    convert "$shot" -crop "$results_area" +repage -fill "$marker" -opaque "$colour" \
        -fill black +opaque "$marker" -fill white -opaque "$marker" \
        -format '%@ %[fx:round(mean*w*h)]' info: 2>/dev/null \
        | awk '{ split($1, g, /[x+]/); print g[4], g[3] + g[1] / 2, $2 }'
}

launch "$WORK/run.err"
pid=$!
main_id=$(wait_main_window "$pid" 15) || main_id=
check "the main window appears" test -n "$main_id"
sleep 0.5 # the first drawing of the window is not idle time

# Idle: no timer ticks, so no processor time to speak of over two seconds.
before=$(cpu_ticks "$pid")
sleep 2
idle_ticks=$(($(cpu_ticks "$pid") - before))
check "idle uses no processor time ($idle_ticks ticks in 2 s)" test "$idle_ticks" -le 2

# File > Start from the keyboard; the question area then shows text where the title was plain.
question_drawn()
{
    import -window "$main_id" "$SHOTS/run_question.png" # its inside, wherever it was placed
    [ "$(convert "$SHOTS/run_question.png" -crop 740x70+20+65 -format %k info:)" -gt 20 ]
}
menu_start "$main_id"
check "the question text is drawn (over 20 colours)" wait_for 5 question_drawn

xdotool key 2 $(for i in $(seq 29); do echo Return $(((i % 4) + 1)); done) Return
check "the results scroll comes to rest" wait_scroll_end 60
import -window "$main_id" "$SHOTS/run_results.png"
check "the program runs on after thirty answers" kill -0 "$pid"

# The bold heading in blue, centred, then the name line in black, then the right-answer count in
# green and the wrong-answer count in red, one under the other.
read -r heading_top heading_centre heading_pixels <<<"$(colour_rows "$SHOTS/run_results.png" blue)"
read -r name_top _ name_pixels <<<"$(colour_rows "$SHOTS/run_results.png" black)"
read -r right_top _ right_pixels <<<"$(colour_rows "$SHOTS/run_results.png" lime)"
read -r wrong_top _ wrong_pixels <<<"$(colour_rows "$SHOTS/run_results.png" red)"
check "the results show a heading, a name line and two counts" \
    test "$heading_pixels" -gt 300 -a "$name_pixels" -gt 300 -a "$right_pixels" -gt 300 -a "$wrong_pixels" -gt 300
check "the heading is centred (at $heading_centre of 600)" test "${heading_centre%.*}" -ge 290 -a "${heading_centre%.*}" -le 310
check "heading, name, right and wrong follow each other ($heading_top, $name_top, $right_top, $wrong_top)" \
    test "$heading_top" -lt "$name_top" -a "$name_top" -lt "$right_top" -a "$right_top" -lt "$wrong_top"

# The test is kept: one attempt file with the thirty answers as they were keyed (2, then 2, 3, 4,
# 1, 2 ...), no time-out, and the totals that these answers make.
attempt_summary()
{
    python3 - "$XDG_DATA_HOME"/Lorvane/results/*.json <<'PY'
import json, sys
files = sys.argv[1:]
a = json.load(open(files[0], encoding="utf-8"))
chosen = [q["chosen"] for q in a["questions"]]
right = sum(q["chosen"] == q["right"] for q in a["questions"])
keyed = [2] + [i % 4 + 1 for i in range(1, 30)]
t = a["totals"]
print(len(files), a["format"], chosen == keyed, t["right"] == right, t["wrong"] == 30 - right, t["timeOuts"])
PY
}
check "one attempt file holds the keyed answers and their totals" \
    test "$(attempt_summary)" = "1 lorvane-attempt True True True 0"

# File > Quit ends the program at once.
menu_quit "$main_id"
check "File > Quit ends the program" exits_with "$pid" 5 0

finish

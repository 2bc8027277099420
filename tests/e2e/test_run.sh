#!/usr/bin/env bash
# A whole test with the keyboard only, in the real program: start from the menu, thirty answers,
# quit from the menu. Screenshots of each stage are left in $LORVANE_E2E_SHOTS when it is set.
source "$(dirname "$0")/lib/e2e_common.bash"
start_x

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

launch "$WORK/run.err"
pid=$!
main_id=$(wait_main_window "$pid" 15) || main_id=
check "the main window appears" test -n "$main_id"
xdotool windowfocus --sync "$main_id" 2>/dev/null || true
sleep 0.5

# Idle: no timer ticks, so no processor time to speak of.
before=$(cpu_ticks "$pid")
sleep 2
idle_ticks=$(($(cpu_ticks "$pid") - before))
check "idle uses no processor time ($idle_ticks ticks in 2 s)" test "$idle_ticks" -le 2
shoot run_idle

# File > Start from the keyboard: the first menu item of the File menu.
xdotool key alt+f
sleep 0.3
shoot run_file_menu
xdotool key Return
sleep 0.5
shoot run_question
question_shot=$SHOTS/run_question.png

# The question area now shows text where the title screen was plain.
colours=$(convert "$question_shot" -crop 740x70+20+65 -format %k info:)
check "the question text is drawn ($colours colours)" test "$colours" -gt 20

xdotool key 2
sleep 0.3
shoot run_answer_chosen
for i in $(seq 30); do
    xdotool key Return
    sleep 0.15
    [ "$i" -lt 30 ] && xdotool key $(((i % 4) + 1)) && sleep 0.1
done
sleep 0.5
shoot run_after_thirty
check "the program runs on after thirty answers" kill -0 "$pid"

# File > Quit ends the program at once.
xdotool key alt+f
sleep 0.3
xdotool key q
check "File > Quit ends the program" exits_with "$pid" 5 0

finish

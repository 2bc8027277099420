#!/usr/bin/env bash
# The program as a blind keyboard user meets it: what a screen reader reads over AT-SPI, a test
# paused, resumed, stopped and taken to the end with keys alone, and no key reaching the buttons
# that the title, pause and results screens cover.
source "$(dirname "$0")/lib/e2e_common.bash"
start_x
start_reader_buses

reads() { /usr/bin/python3 "$E2E_DIR/lib/reader.py" 2>/dev/null; }
# What the reader finds once the program has caught up with the last key: two reads 0.2 s apart
# agree, as a check that a key changed nothing must give it the time to.
settled() {
    local last now
    last=$(reads)
    for _ in $(seq 15); do
        sleep 0.2
        now=$(reads)
        [ "$now" = "$last" ] && break
        last=$now
    done
    echo "$now"
}
reads_line() { grep -qxF "$1" <<<"$(settled)"; }
reads_something() { [ -n "$(reads)" ]; }
line_of() { sed -n "s/^$1: //p" <<<"$(settled)" | head -n1; }

# Tab, Space and Return on a screen that covers the test's buttons: after each, the screen keeps
# the keyboard and the state of the test is what it was.
keys_change_nothing()
{
    local screen=$1 before after
    before=$(settled | grep -v '^focus:' | sort)
    for key in Tab space Return; do
        xdotool key "$key"
        after=$(settled | sort)
        check "$key on the $screen screen reaches no covered button" \
            test "$(grep -v '^focus:' <<<"$after")" = "$before" -a "$(sed -n 's/^focus: //p' <<<"$after")" = "Lorvane 2004"
    done
}

launch "$WORK/reader.err"
pid=$!
main_id=$(wait_main_window "$pid" 20) || main_id=
check "the main window appears" test -n "$main_id"
xdotool windowfocus --sync "$main_id" 2>/dev/null || true
wait_for 20 reads_something || true
keys_change_nothing title

menu_start "$main_id"
question=$(line_of question)
"$(dirname "$LORVANE")/lorvane-bank" decode "$WinDir/LVT.lvq" "$WORK/bank.txt" >/dev/null
check "the reader reads the question of the test file" grep -qxF "Q: $question" "$WORK/bank.txt"
for k in 1 2 3 4; do
    answer=$(reads | sed -n "s/^answer: $k\. //p")
    check "the reader reads answer $k by its number and text" grep -qxF "$k: $answer" "$WORK/bank.txt"
done

for _ in $(seq 12); do # Tab along the answers and buttons to Pouse; Space pauses
    [ "$(line_of focus)" = Pouse ] && break
    xdotool key Tab
done
xdotool key space
check "Space on Pouse pauses the test" reads_line "button: Resume"
keys_change_nothing pause
xdotool key alt+f Return
check "File > Resume goes on" reads_line "button: Stop"
menu_start "$main_id"
check "File > Stop ends the test" reads_line "button: Start"
keys_change_nothing title

menu_start "$main_id"
xdotool key $(printf '2 Return %.0s' $(seq 30))
use_menu "$main_id" f Escape Escape # the File menu opens once the answers are taken
keys_change_nothing results
menu_quit "$main_id"
check "File > Quit ends the program" exits_with "$pid" 5 0
finish

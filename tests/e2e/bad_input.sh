#!/usr/bin/env bash
# Bad test files and odd settings against the real program. Each row sets up a file or a
# setting, starts the program and expects one visible outcome:
#   silent   the program ends with no window and no message
#   message  the reinstall message, and the program ends when it is closed
#   runs     the main window; a few answers are given from the keyboard and File > Quit ends it
# or, for a row that expects something else, the words that observe gives it.
# In every row nothing crashes, and neither the test file nor the settings file changes.
source "$(dirname "$0")/lib/e2e_common.bash"
start_x

test_file=$WinDir/LVT.lvq
settings=$XDG_CONFIG_HOME/Lorvane/Lorvane.ini
reinstall="Lorvane: Test File not found, please reinstall Lorvane 2004 program"

# A bank of n ASCII records; the first question carries the signature.
bank()
{
    awk -v n="$1" 'BEGIN {
        for (i = 1; i <= n; i++) {
            printf "\"%sQuestion %d\",\"first\",\"second\",\"third\",\"fourth\",%d", (i == 1 ? "." : ""), i, i % 4 + 1
            if (i < n) printf "\r\n"
        }
    }'
}

answer_a_few()
{
    menu_start "$1"
    xdotool key 1 Return 2 Return 3 Return 4 Return 1 Return
}

# Sets OUTCOME to what the started program did: silent, message, runs, or what went wrong.
# Not in $(...): only this shell can collect the program's exit status.
observe()
{
    local pid=$1 log=$2 id
    if ! id=$(wait_window "$pid" Lorvane 20); then
        wait_exit "$pid" 5
        OUTCOME="status $EXIT_STATUS"
        [ "$EXIT_STATUS" = 0 ] && ! grep -q '^Lorvane:' "$log" && OUTCOME=silent
    elif [ "$(window_area "$id" | cut -dx -f1)" -ge 600 ]; then
        answer_a_few "$id"
        menu_quit "$id"
        wait_exit "$pid" 30 # the sanitizer's leak check at the end takes long on a busy machine
        OUTCOME="a main window, then status $EXIT_STATUS"
        [ "$EXIT_STATUS" = 0 ] && OUTCOME=runs
        [ "$EXIT_STATUS" = running ] && OUTCOME+=", windows: $(xdotool search --onlyvisible --pid "$pid" --name '' getwindowname %@ | tr '\n' ,)"
    else
        press_return "$id"
        wait_exit "$pid" 5
        OUTCOME="a message, then status $EXIT_STATUS"
        [ "$EXIT_STATUS" = 0 ] && grep -qx "$reinstall" "$log" && OUTCOME=message
    fi
    if [ "$EXIT_STATUS" = running ]; then kill -9 "$pid"; fi
}

run_row()
{
    local name=$1 expect=$2 log=$WORK/row.err before
    before=$(md5sum "$test_file" "$settings" 2>/dev/null || true)
    launch "$log"
    observe $! "$log"
    check "$name: $expect (got: $OUTCOME)" test "$OUTCOME" = "$expect"
    grep -q "ERROR: [A-Za-z]*Sanitizer\|runtime error:" "$log" && fail "$name: sanitizer report"
    [ "$before" = "$(md5sum "$test_file" "$settings" 2>/dev/null || true)" ] || fail "$name: a file changed"
}

# Test files. The reader's table of malformed records is checked in-process; here one row for
# each way the real program reacts.
: >"$test_file";                                          run_row "empty file" message
ln -sf /proc/self/mem "$test_file";                       run_row "the first read fails" message
rm -f "$test_file"
mkdir "$test_file";   run_row "a directory in its place: the default cannot be written" "a message, then status 1"
rmdir "$test_file"
printf '"Hello","a","b","c","d",1\r\n' >"$test_file";     run_row "wrong signature" silent
{ bank 1; printf '\r\n\x01\x02"\xff\xfe\x80,,\r\n'; } >"$test_file";  run_row "binary junk after a good line" message
bank 32768 >"$test_file";                                 run_row "32,768 records" message
bank 32767 >"$test_file";                                 run_row "32,767 records" runs
bank 1 >"$test_file";                                     run_row "bank of one record" runs
bank 40 | sed 's/,[0-9]*$/,7/' >"$test_file";            run_row "right answer outside 1..4" runs
{ printf '".<b>Bold?</b> <img src=x>","<i>a</i>","&amp;","<br>","<p>d",1\r\n'; bank 40 | tail -n +2; } >"$test_file"
run_row "markup in the texts" runs

# Odd settings, all at once, with the default bank: the parsing of each is checked in-process.
cp "$SOURCE_DIR/resources/LVT.lvq" "$test_file"
mkdir -p "$(dirname "$settings")"
printf '%s\n' '[Software\Lorvane\Options]' "ImageColor=" "ImageColor1=0" "ImageColor2=17" "ImageColor3=01" \
    "ImageColor4= 1" "UserName=$(printf 'N%.0s' $(seq 128))" "PauseTime=-5" "NameFont=No Such Font" >"$settings"
run_row "odd settings" runs
rm -f "$settings"

# One run: a damaged line in the settings costs only itself (the name typed in Options >
# Configure is saved beside it), and the test file deleted while the program runs changes
# nothing, since the bank is already in memory.
printf '%s\n' '[Software\Lorvane\Options]' garbage UserName=Ani PauseTime=60 >"$settings"
launch "$WORK/run.err"
pid=$!
id=$(wait_main_window "$pid" 15) || id=
rm -f "$test_file"
answer_a_few "$id"
use_menu "$id" o Return
dialog=$(wait_window "$pid" "  Configure" 10) || dialog=
xdotool windowfocus --sync "$dialog" key ctrl+a type Anahit
xdotool mousemove --window "$dialog" 326 435 click 1 # Ok
wait_for 10 not window_of "$pid" "  Configure" || true
menu_quit "$id"
check "a deleted test file and a damaged settings line: the program quits normally" exits_with "$pid" 5 0
check "the name typed is saved beside the damaged line" \
    test "$(grep -c '^garbage$\|^UserName=Anahit$\|^PauseTime=60$' "$settings")" = 3
check "nothing wrote the test file back while running" test ! -e "$test_file"

finish

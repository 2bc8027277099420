#!/usr/bin/env bash
# Bad test files and odd settings against the real program. Each row sets up a file or a
# setting, starts the program and expects one visible outcome:
#   silent   the program ends with no window and no message
#   message  the reinstall message, and the program ends when it is closed
#   runs     the main window; a few answers are given from the keyboard and File > Quit ends it
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

default_bank() { cp "$SOURCE_DIR/resources/LVT.lvq" "$test_file"; }

write_settings()
{
    mkdir -p "$(dirname "$settings")"
    { printf '[Software\\Lorvane\\Options]\n'; printf '%s\n' "$@"; } >"$settings"
}

answer_a_few()
{
    local id=$1
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key alt+f
    sleep 0.3
    xdotool key Return
    sleep 0.4
    for k in 1 2 3 4 1; do
        xdotool key "$k"
        sleep 0.1
        xdotool key Return
        sleep 0.15
    done
}

run_row()
{
    local name=$1 expect=$2 log=$WORK/row.err id
    local file_before settings_before
    file_before=$(md5sum "$test_file" 2>/dev/null || true)
    settings_before=$(md5sum "$settings" 2>/dev/null || true)
    launch "$log"
    local pid=$!
    case $expect in
    silent)
        wait_exit "$pid" 10
        if [ "$EXIT_STATUS" = 0 ] && ! grep -q '^Lorvane:' "$log"; then pass "$name: ends silently"
        else fail "$name: expected a silent end, got status $EXIT_STATUS"; fi
        ;;
    message)
        id=$(wait_window "$pid" Lorvane 10) || id=
        [ -n "$id" ] && press_return "$id"
        wait_exit "$pid" 5
        if [ -n "$id" ] && grep -qx "$reinstall" "$log" && [ "$EXIT_STATUS" = 0 ]
        then pass "$name: reinstall message, then the end"
        else fail "$name: expected the reinstall message, got status $EXIT_STATUS"; fi
        ;;
    runs)
        id=$(wait_main_window "$pid" 20) || id=
        if [ -n "$id" ]; then
            answer_a_few "$id"
            xdotool key alt+f
            sleep 0.3
            xdotool key q
        fi
        wait_exit "$pid" 10
        [ "$EXIT_STATUS" = running ] && kill -9 "$pid"
        if [ -n "$id" ] && [ "$EXIT_STATUS" = 0 ]; then pass "$name: runs and quits"
        else fail "$name: expected a running program, got window '${id}' and status $EXIT_STATUS"; fi
        ;;
    esac
    if grep -q "ERROR: [A-Za-z]*Sanitizer\|runtime error:" "$log"; then fail "$name: sanitizer report"; fi
    [ "$file_before" = "$(md5sum "$test_file" 2>/dev/null || true)" ] || fail "$name: the test file changed"
    [ "$settings_before" = "$(md5sum "$settings" 2>/dev/null || true)" ] || fail "$name: the settings changed"
    return 0
}

# Test files. The reader's table of malformed records is checked in-process; here one row for
# each way the real program reacts.
: >"$test_file";                                          run_row "empty file" silent
printf '"Hello","a","b","c","d",1\r\n' >"$test_file";     run_row "wrong signature" silent
{ bank 1; printf '\r\n\x01\x02"\xff\xfe\x80,,\r\n'; } >"$test_file";  run_row "binary junk after a good line" message
bank 32768 >"$test_file";                                 run_row "32,768 records" message
bank 32767 >"$test_file";                                 run_row "32,767 records" runs
bank 1 >"$test_file";                                     run_row "bank of one record" runs
bank 40 | sed 's/,[0-9]*$/,7/' >"$test_file";            run_row "right answer outside 1..4" runs
{ printf '".<b>Bold?</b> <img src=x>","<i>a</i>","&amp;","<br>","<p>d",1\r\n'; bank 40 | tail -n +2; } >"$test_file"
run_row "markup in the texts" runs

# Odd settings, all at once, with the default bank: the parsing of each is checked in-process.
default_bank
write_settings "ImageColor=" "ImageColor1=0" "ImageColor2=17" "ImageColor3=01" "ImageColor4= 1" \
    "UserName=$(printf 'N%.0s' $(seq 128))" "PauseTime=-5" "NameFont=No Such Font Anywhere"
run_row "odd settings" runs
rm -f "$settings"

# The test file deleted while the program runs: the bank is already in memory.
launch "$WORK/deleted.err"
pid=$!
id=$(wait_main_window "$pid" 15) || id=
rm -f "$test_file"
[ -n "$id" ] && answer_a_few "$id"
check "a deleted test file leaves the running program as it was" kill -0 "$pid"
xdotool key alt+f
sleep 0.3
xdotool key q
check "and it quits normally" exits_with "$pid" 5 0
check "nothing wrote the test file back while running" test ! -e "$test_file"

finish

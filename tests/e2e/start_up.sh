#!/usr/bin/env bash
# Start-up of the real program: the first start writes the test file, a broken test file's
# message above the splash, a test file that cannot be written; no session bus is running.
source "$(dirname "$0")/lib/e2e_common.bash"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS # and this run's runtime folder has no bus socket
start_x

resource=$SOURCE_DIR/resources/LVT.lvq

# The box's part of the screen looks the same with the splash still up as with it taken away:
# nothing of the splash covers the message.
message_above_splash()
{
    local pid=$1 box=$2 geometry window differing
    geometry=$(window_area "$box")
    shoot message_over_splash
    for window in $(xdotool search --all --onlyvisible --pid "$pid"); do
        [ "$window" != "$box" ] && xdotool windowunmap --sync "$window"
    done
    sleep 0.5 # the time the program would take to draw the box again, had the splash covered it
    shoot message_alone
    convert "$SHOTS/message_over_splash.png" -crop "$geometry" "$WORK/over.png"
    convert "$SHOTS/message_alone.png" -crop "$geometry" "$WORK/alone.png"
    differing=$(compare -metric AE -fuzz 10% "$WORK/over.png" "$WORK/alone.png" null: 2>&1) || true
    [ "${differing%% *}" -le 100 ] 2>/dev/null
}

test_file=$WinDir/LVT.lvq

# First start on an empty machine: splash, then the main window, and the test file in place.
started=$(date +%s%N)
launch "$WORK/first.err"
first=$!
main_id=$(wait_main_window "$first" 15) || main_id=
shown=$(date +%s%N)
check "first start shows the main window" test -n "$main_id"
check "the splash stays at least one second" test $(((shown - started) / 1000000)) -ge 1000
check "the test file is written byte for byte" cmp -s "$resource" "$test_file"

kill -9 "$first"
wait "$first" 2>/dev/null || true

# A file with the signature that cannot be read as a bank: the reinstall message, then the end.
printf '".Broken record, "no closing quote\r\n' >"$test_file"
launch "$WORK/broken.err"
broken=$!
box=$(wait_window "$broken" Lorvane 10) || box=
check "a broken bank shows a message" test -n "$box"
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
check "the message has the keyboard" wait_for 5 is_active "$box"
check "the message is seen above the splash" message_above_splash "$broken" "$box"
press_return "$box"
check "a broken bank ends the program" exits_with "$broken" 5 0
check "a broken bank names the problem" \
    grep -q "^Lorvane: Test File not found, please reinstall Lorvane 2004 program$" "$WORK/broken.err"

# No test file and a directory that refuses it: the write error is shown, no main window.
rm -f "$test_file"
export WinDir=/proc/sys # refuses new files even to root, and each script runs as root in its namespace
launch "$WORK/readonly.err"
readonly_pid=$!
box=$(wait_window "$readonly_pid" Lorvane 10) || box=
check "an unwritable directory shows a message" test -n "$box"
press_return "$box"
check "an unwritable directory ends the program with status 1" exits_with "$readonly_pid" 5 1
check "an unwritable directory names the file" grep -q "^Lorvane: Cannot write the test file" "$WORK/readonly.err"

# The same on an Armenian desktop: the message is the Armenian translation.
LANG=hy_AM.UTF-8 launch "$WORK/armenian.err"
armenian_pid=$!
box=$(wait_window "$armenian_pid" Lorvane 10) || box=
press_return "$box"
check "an Armenian desktop ends the program the same way" exits_with "$armenian_pid" 5 1
check "an Armenian desktop gets the message in Armenian" grep -q "^Lorvane: Հնարավոր չէ գրել տեստի ֆայլը" "$WORK/armenian.err"

# With no session bus to use, the program went without: no daemon it started outlives it.
left_behind()
{
    local pid
    for pid in $(pgrep 'dbus|at-spi'); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "HOME=$HOME" && echo "$pid"
    done
}
check "nothing the program started outlives it" test -z "$(left_behind)"
check "no ~/.dbus is written" test ! -e "$HOME/.dbus"

finish

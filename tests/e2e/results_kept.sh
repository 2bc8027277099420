#!/usr/bin/env bash
# A finished test whose results folder fails: one that is read-only, and one that hangs because
# the file-system process behind it is stopped. The results scroll on time, the attempt goes to
# the local results folder, and a message above the main window says where.
source "$(dirname "$0")/lib/e2e_common.bash"
start_x

local_results=$XDG_DATA_HOME/Lorvane/results
mkdir -p "$XDG_CONFIG_HOME/Lorvane" "$WORK/shared" "$WORK/mounted"
# This run's own bindfs, whatever other runs have mounted.
bindfs_signal() { pkill "-$1" -f -- " $WORK/mounted\$" || true; }

cleanup_mount()
{
    bindfs_signal CONT
    if mountpoint -q "$WORK/mounted"; then fusermount -u "$WORK/mounted" 2>/dev/null || umount -l "$WORK/mounted"; fi
    return 0
}
trap 'cleanup_mount; cleanup' EXIT

set_results_folder()
{
    printf '[Software\\Lorvane\\Options]\nResultsFolder=%s\n' "$1" >"$XDG_CONFIG_HOME/Lorvane/Lorvane.ini"
}

results_sum() { import -window "$1" -crop 600x300+97+65 +repage gray:- | md5sum; }

# How many different pictures the results area shows in the three seconds after the last answer,
# looked at four times a second: a scroll held up by the results folder shows one or two.
scroll_frames()
{
    for _ in $(seq 12); do
        results_sum "$1"
        sleep 0.25
    done | sort -u | wc -l
}

# Waits until the results area has stood still for four seconds.
wait_scroll_end()
{
    local last= same=0 sum
    for _ in $(seq 60); do
        sum=$(results_sum "$1")
        if [ "$sum" = "$last" ]; then same=$((same + 1)); else same=0; fi
        [ "$same" -ge 4 ] && return 0
        last=$sum
        sleep 1
    done
}

# The program's narrow window titled Lorvane: its message box.
message_box()
{
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$1" --name '^Lorvane$' 2>/dev/null); do
        [ "$(window_area "$id" | cut -dx -f1)" -lt 600 ] && echo "$id" && return 0
    done
    return 1
}

topmost() { [ "$(xprop -root _NET_CLIENT_LIST_STACKING | awk '{ print $NF }')" = "$(printf '0x%x' "$1")" ]; }

local_attempts() { find "$local_results" -name '*.json' 2>/dev/null | wc -l; }

# Runs a whole test from the keyboard; sets FRAMES to the pictures its scroll showed and MESSAGE to
# the message box's window, and leaves the program running in $PID.
take_test()
{
    # The sanitizer build's leak check stops every thread at the end, and cannot stop one that a
    # stopped file system holds.
    ASAN_OPTIONS=detect_leaks=0 launch "$WORK/$1.err"
    PID=$!
    MAIN=$(wait_main_window "$PID" 15) || MAIN=
    menu_start "$MAIN"
    xdotool key 2 $(for i in $(seq 29); do echo Return $(((i % 4) + 1)); done) Return
    FRAMES=$(scroll_frames "$MAIN")
    wait_scroll_end "$MAIN"
    MESSAGE=$(wait_window "$PID" Lorvane 10 0 >/dev/null; wait_for 10 message_box "$PID" >/dev/null && message_box "$PID")
}

quit_program()
{
    [ -n "$MESSAGE" ] && press_return "$MESSAGE"
    menu_quit "$MAIN"
    check "the program ends when asked ($1)" exits_with "$PID" 15 0
}

# A read-only folder.
# bindfs gets no output of ours to hold open: the test's end waits for that.
check "a read-only folder is mounted" bindfs -r "$WORK/shared" "$WORK/mounted" </dev/null >/dev/null 2>&1
set_results_folder "$WORK/mounted"
take_test read-only
check "read-only folder: a message says where the attempt went" test -n "$MESSAGE"
[ -n "$MESSAGE" ] && check "read-only folder: the message is above every window" topmost "$MESSAGE"
check "read-only folder: the attempt is in the local folder" test "$(local_attempts)" = 1
normal_frames=$FRAMES
quit_program read-only
cleanup_mount

# A folder that hangs: the process behind it is stopped.
check "a folder is mounted" bindfs "$WORK/shared" "$WORK/mounted" </dev/null >/dev/null 2>&1
bindfs_signal STOP
set_results_folder "$WORK/mounted"
take_test hung
check "hung folder: the results scroll on time ($FRAMES pictures in 3 s, $normal_frames before)" \
    test "$FRAMES" -ge 4 -a "$FRAMES" -ge $((normal_frames / 2))
check "hung folder: a message says where the attempt went" test -n "$MESSAGE"
check "hung folder: the attempt is in the local folder" test "$(local_attempts)" = 2
quit_program hung

# Quit right after the last answer, the folder still hanging: the program waits for the attempt
# to reach the local folder, a few seconds at most, and then ends.
ASAN_OPTIONS=detect_leaks=0 launch "$WORK/quit-at-once.err" # as in take_test
PID=$!
MAIN=$(wait_main_window "$PID" 15) || MAIN=
menu_start "$MAIN"
xdotool key 2 $(for i in $(seq 29); do echo Return $(((i % 4) + 1)); done) Return
sleep 2 # the test has ended; its attempt waits for the folder for five seconds
menu_quit "$MAIN"
check "quit while the folder hangs ends the program within seconds" exits_with "$PID" 10 0
check "and the attempt reached the local folder first" test "$(local_attempts)" = 3
cleanup_mount
# A request the stopped file system took before the program ended may still make an empty
# temporary file when it goes on, but never an attempt.
check "no attempt is left in the shared folder" test -z "$(ls "$WORK/shared" | grep '\.json$')"

finish

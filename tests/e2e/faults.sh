#!/usr/bin/env bash
# Faults and races: ten copies started at once (one runs, the others say so and end), quitting from every state of a test, a copy
# killed while its results scroll, and no files besides the test file and the settings.
source "$(dirname "$0")/lib/e2e_common.bash"
start_x

settings=$XDG_CONFIG_HOME/Lorvane/Lorvane.ini
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Brings the program started with the given window into a state of a test: File > Start, then
# the toolbar's Pause button (the third from the left) or thirty answers from the keyboard. The
# program takes input in order, so whatever comes next finds it in that state; the results are
# seen to have come when the File menu opens after the last answer.
enter_state()
{
    local state=$1 id=$2
    [ "$state" = idle ] && return 0
    menu_start "$id"
    if [ "$state" = paused ]; then
        xdotool mousemove --window "$id" 55 35 click 1
    elif [ "$state" = results ]; then
        xdotool key $(for i in $(seq 30); do echo $(((i % 4) + 1)) Return; done)
        use_menu "$id" f Escape Escape
    fi
}

# File > Quit; prints how long the program took to end after the key, in milliseconds.
quit_time()
{
    local pid=$1 id=$2 pressed
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key alt+f
    wait_for 10 menu_shown "$pid" || true
    pressed=$(now_ms)
    xdotool key q
    while kill -0 "$pid" 2>/dev/null && [ $(($(now_ms) - pressed)) -lt 5000 ]; do sleep 0.005; done
    echo $(($(now_ms) - pressed))
}

# Every file under this run's home, data, configuration, runtime, temporary and test file
# directories, all of which live under $WORK.
listing() { find "$WORK" -not -path "$WORK/shots*" -not -name '*.err' -not -name display | sort; }

# Ten copies at the same moment: one main window, nine running-copy messages.
pids=()
for i in $(seq 10); do
    "$LORVANE" 2>"$WORK/copy$i.err" &
    pids+=($!)
done
# Succeeds once each copy has shown a main window or said that another runs.
count_copies()
{
    mains=0 refusals=0
    for i in $(seq 10); do
        grep -qx "Lorvane: Lorvane Already Running!" "$WORK/copy$i.err" && refusals=$((refusals + 1))
        window_of "${pids[$((i - 1))]}" Lorvane 600 >/dev/null && mains=$((mains + 1))
    done
    [ $((mains + refusals)) -ge 10 ]
}
wait_for 30 count_copies || true
check "ten copies at once: one main window ($mains)" test "$mains" = 1
check "ten copies at once: nine refusals ($refusals)" test "$refusals" = 9
refused=$(basename "$(grep -lx "Lorvane: Lorvane Already Running!" "$WORK"/copy*.err | head -n1)" .err)
refused=${pids[$((${refused#copy} - 1))]}
press_return "$(wait_window "$refused" Lorvane 5)"
check "a refused copy ends with status 0 when its message is closed" exits_with "$refused" 5 0
kill -9 "${pids[@]}" 2>/dev/null
for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done

# Quitting from each state ends the program within 200 ms, leaves the settings as they were
# and, after a whole test, no files but the test file and the settings. A sanitized build ends
# slower by the sanitizer's own work at exit, the leak check aside: it is given twice the time.
quit_limit=200
ldd "$LORVANE" 2>/dev/null | grep -q libasan && quit_limit=400
mkdir -p "$(dirname "$settings")" "$WORK/tmp"
printf '[Software\\Lorvane\\Options]\nUserName=Student\nPauseTime=180\n' >"$settings"
settings_sum=$(md5sum <"$settings")
export TMPDIR=$WORK/tmp
for state in idle running paused results; do
    before=$(listing)
    # The sanitizer build's leak check at the end would be timed too; the other scripts do it.
    ASAN_OPTIONS=detect_leaks=0 launch "$WORK/quit-$state.err"
    pid=$!
    id=$(wait_main_window "$pid" 15) || id=
    enter_state "$state" "$id"
    ms=$(quit_time "$pid" "$id")
    check "quit while $state ends the program in ${ms} ms" test "$ms" -le "$quit_limit"
    wait "$pid" 2>/dev/null || true
    check "quit while $state: settings unchanged" test "$(md5sum <"$settings")" = "$settings_sum"
done
new_files=$(comm -13 <(echo "$before") <(listing))
check "a whole test leaves nothing but its attempt file" \
    test "$(grep -c '/Lorvane/results/.*\.json$' <<<"$new_files")" = 1 -a "$(grep -vc '/Lorvane\(/results\)\?' <<<"$new_files")" = 0

# Killed while the results scroll: the next start works.
launch "$WORK/killed.err"
pid=$!
id=$(wait_main_window "$pid" 15) || id=
enter_state results "$id"
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
launch "$WORK/after-kill.err"
pid=$!
check "killed while the results scroll: the next start works" wait_main_window "$pid" 15
kill -9 "$pid"
wait "$pid" 2>/dev/null || true

# Killed at random moments around the end of a test, while its attempt is written: every
# attempt file there is whole.
whole_attempts()
{
    python3 - "$XDG_DATA_HOME"/Lorvane/results/*.json <<'PY'
import json, sys
ok = all(len(json.load(open(f, encoding="utf-8"))["questions"]) == 30 for f in sys.argv[1:] if not f.endswith("*.json"))
print("whole" if ok else "broken")
PY
}
for run in 1 2 3 4; do
    ASAN_OPTIONS=detect_leaks=0 launch "$WORK/kill-$run.err"
    pid=$!
    id=$(wait_main_window "$pid" 15) || id=
    menu_start "$id"
    xdotool key $(for i in $(seq 30); do echo $(((i % 4) + 1)) Return; done)
    sleep "0.0$((RANDOM % 10))"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
done
check "killed while writing its attempt: every attempt file is whole" test "$(whole_attempts)" = whole

finish

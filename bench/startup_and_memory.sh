#!/usr/bin/env bash
# The real program under Xvfb: time from the start to the X server mapping the main window (five
# starts, against the floor of one second of splash and the 100 ms hand-over), and the peak memory
# of a whole keyboard-driven test.
# Usage: bench/startup_and_memory.sh path/to/lorvane
source "$(dirname "$0")/../tests/e2e/lib/e2e_common.bash"
start_x

now_us() { echo "${EPOCHREALTIME/./}"; }

# Reads the X server's report of new top-level windows and prints the time, in microseconds,
# at which one at least 600 pixels wide (the main window, not the splash) is mapped. Only
# shell built-ins run per event, so the probe takes no processor time from the starting program.
print_main_window_map()
{
    local line wide=" " pattern_create='window (0x[0-9a-f]+), \(-?[0-9]+,-?[0-9]+\), width ([0-9]+)'
    while IFS= read -r line; do
        if [[ $line =~ $pattern_create ]]; then
            [ "${BASH_REMATCH[2]}" -ge 600 ] && wide+="${BASH_REMATCH[1]} "
        elif [[ $line =~ ^\ +event\ 0x[0-9a-f]+,\ window\ (0x[0-9a-f]+), ]] && [[ $wide == *" ${BASH_REMATCH[1]} "* ]]; then
            now_us
            return 0
        fi
    done
}

starts=()
for run in 1 2 3 4 5; do
    mapped=$WORK/mapped$run events=$WORK/events$run
    mkfifo "$events"
    stdbuf -oL xev -root -event substructure >"$events" &
    xev_pid=$!
    print_main_window_map <"$events" >"$mapped" &
    sleep 0.3
    began=$(now_us)
    launch "$WORK/start$run.err"
    pid=$!
    for _ in $(seq 400); do [ -s "$mapped" ] && break; sleep 0.05; done
    kill "$xev_pid" 2>/dev/null || true
    if ! [ -s "$mapped" ]; then
        echo "start $run: no main window within 20 s" >&2
        exit 1
    fi
    starts+=($((($(cat "$mapped") - began) / 1000)))
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
done
sorted=$(printf '%s\n' "${starts[@]}" | sort -n | tr '\n' ' ')
median=$(printf '%s\n' "${starts[@]}" | sort -n | sed -n 3p)

launch "$WORK/memory.err"
pid=$!
id=$(wait_main_window "$pid" 20)
sleep 0.5
idle_kb=$(sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$pid/status")
xdotool windowfocus --sync "$id" 2>/dev/null || true
xdotool key alt+f
sleep 0.3
xdotool key Return
sleep 0.4
for i in $(seq 30); do
    xdotool key $(((i % 4) + 1)) Return
    sleep 0.12
done
sleep "${LORVANE_BENCH_RESULTS_WAIT:-1}"
peak_kb=$(sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$pid/status")
rss_kb=$(sed -n 's/^VmRSS:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$pid/status")
kill -9 "$pid"
wait "$pid" 2>/dev/null || true

echo "Start-up to the main window under Xvfb, 5 starts (ms): $sorted"
printf '  %-44s %8d ms\n' "floor: splash 1000 ms + hand-over 100 ms" 1100
printf '  %-44s %8d ms  (+%d ms over the floor)\n' "median start-up" "$median" $((median - 1100))
echo "Memory of a whole test of thirty questions"
printf '  %-44s %8d KiB\n' "peak resident set up to the idle main window" "$idle_kb"
printf '  %-44s %8d KiB  (+%d KiB over the idle window)\n' "peak resident set of the whole test (VmHWM)" "$peak_kb" \
    $((peak_kb - idle_kb))
printf '  %-44s %8d KiB\n' "resident set at the end" "$rss_kb"

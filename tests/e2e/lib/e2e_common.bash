# Shared by the end-to-end scripts: a private X server, a private home, and ways to wait for
# the program's windows. Each script sources this file with the program's path as $1.

set -euo pipefail

# Each script runs in a network namespace of its own. The program's one-copy guard is an abstract
# socket, and those live in the network namespace: so the copies started here never meet a copy
# the user has open, nor the copies of another script running at the same time.
if [ -z "${LORVANE_E2E_NAMESPACE:-}" ]; then
    export LORVANE_E2E_NAMESPACE=1
    private=(unshare --net)
    [ "$(id -u)" -ne 0 ] && private=(unshare --user --map-root-user --net)
    "${private[@]}" true 2>/dev/null && exec "${private[@]}" -- bash "$0" "$@"
    # No namespaces allowed here (some containers): one script at a time, and no copy may be open.
    echo "no network namespace: the scripts take turns" >&2
    exec 9>"${TMPDIR:-/tmp}/lorvane-e2e.lock"
    flock 9
fi

LORVANE=${1:?usage: $0 path/to/lorvane}
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
SOURCE_DIR=$(cd "$E2E_DIR/../.." && pwd)
WORK=$(mktemp -d /tmp/lorvane-e2e.XXXXXX)
SHOTS=${LORVANE_E2E_SHOTS:-$WORK/shots}
mkdir -p "$SHOTS" "$WORK/windir" "$WORK/config" "$WORK/data" "$WORK/home" "$WORK/runtime"
chmod 700 "$WORK/runtime"

failures=0
XVFB_PID=

cleanup()
{
    exec 2>/dev/null
    local pids
    pids=$(jobs -p) || true
    [ -n "$pids" ] && kill -9 $pids 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    [ -n "${LORVANE_E2E_KEEP:-}" ] && echo "kept $WORK" || rm -rf "$WORK"
}
trap cleanup EXIT

# A fresh X server of its own, so the scripts may run side by side, with a real window manager
# (openbox) as every user has: stacking, focus and "stay on top" behave as on a desktop. Without
# -noreset the server starts over whenever its last client leaves, and a program started in that
# moment cannot connect. Extra arguments go to the server (a -dpi, say).
# On a busy machine the server now and then fails to compile its keymap and exits: it is then
# started again, up to three times.
start_x()
{
    local fifo=$WORK/display
    for _ in 1 2 3; do
        : >"$fifo"
        Xvfb -displayfd 7 -screen 0 1280x1024x24 -nolisten tcp -noreset "$@" 7>"$fifo" 2>"$WORK/xvfb.log" &
        XVFB_PID=$!
        for _ in $(seq 400); do
            [ -s "$fifo" ] && break
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.05
        done
        [ -s "$fifo" ] && break
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    done
    [ -s "$fifo" ] || { echo "Xvfb did not start" >&2; cat "$WORK/xvfb.log" >&2; return 1; }
    export DISPLAY=:$(head -n1 "$fifo")
    unset QT_QPA_PLATFORM
    start_window_manager
}

start_window_manager()
{
    openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
    local wm=$!
    for _ in $(seq 400); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        kill -0 "$wm" 2>/dev/null || break
        sleep 0.05
    done
    echo "openbox did not start" >&2
    cat "$WORK/openbox.log" >&2
    return 1
}

# The program sees only the directories of this run.
export WinDir=$WORK/windir
export XDG_CONFIG_HOME=$WORK/config
export XDG_DATA_HOME=$WORK/data
export XDG_RUNTIME_DIR=$WORK/runtime
export HOME=$WORK/home
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$E2E_DIR/../lsan.supp:print_suppressions=0}

pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; if "$@"; then pass "$what"; else fail "$what"; fi; }

# Starts the program in the background; its pid in $!, its stderr in the given file.
launch()
{
    local log=$1
    "$LORVANE" 2>"$log" &
}

# Waits until a visible window of the process has the given title; prints its id.
wait_window()
{
    local pid=$1 title=$2 timeout=${3:-10} id
    local deadline=$(($(date +%s%N) + timeout * 1000000000))
    while [ "$(date +%s%N)" -lt "$deadline" ]; do
        id=$(xdotool search --all --onlyvisible --pid "$pid" --name "^${title}\$" 2>/dev/null | head -n1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}

# Waits for the process to end and sets EXIT_STATUS to its exit status, or to "running" after
# the timeout. Not for use in $(...): only this shell can collect its own children's status.
wait_exit()
{
    local pid=$1 timeout=${2:-10}
    EXIT_STATUS=running
    for _ in $(seq $((timeout * 20))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            EXIT_STATUS=0
            wait "$pid" || EXIT_STATUS=$?
            return 0
        fi
        sleep 0.05
    done
}

# Zero when the process ended within the timeout with the given status.
exits_with()
{
    wait_exit "$1" "$2"
    [ "$EXIT_STATUS" = "$3" ]
}

# A window's inside on the screen as WxH+X+Y (xwininfo: xdotool counts a frame's offset twice).
window_area()
{
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { printf "%dx%d+%d+%d\n", w, h, x, y }'
}

# The main window: titled like the message boxes, but far wider than any of them.
wait_main_window()
{
    local pid=$1 timeout=${2:-15} id
    local deadline=$(($(date +%s) + timeout))
    while [ "$(date +%s)" -lt "$deadline" ]; do
        id=$(wait_window "$pid" Lorvane 1) || id=
        if [ -n "$id" ] && [ "$(window_area "$id" | cut -dx -f1)" -ge 600 ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || return 1
    done
    return 1
}

# File > Start and File > Quit from the keyboard, in the given window.
menu_start()
{
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key alt+f
    sleep 0.3
    xdotool key Return
    sleep 0.4
}

menu_quit()
{
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key alt+f
    sleep 0.3
    xdotool key q
}

# Presses Return in a window, as a user closing a message box would.
press_return()
{
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key --clearmodifiers Return
}

shoot() { import -window root "$SHOTS/$1.png"; }

finish()
{
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "all checks passed"
}

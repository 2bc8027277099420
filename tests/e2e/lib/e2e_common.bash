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
        wait_for 20 or_gone "$XVFB_PID" test -s "$fifo" && [ -s "$fifo" ] && break
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    done
    [ -s "$fifo" ] || { echo "Xvfb did not start" >&2; cat "$WORK/xvfb.log" >&2; return 1; }
    export DISPLAY=:$(head -n1 "$fifo")
    unset QT_QPA_PLATFORM
    start_window_manager
}

wm_running() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *'window id'* ]]; }

start_window_manager()
{
    openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
    wait_for 20 or_gone $! wm_running && wm_running && return 0
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

# Runs the command every 50 ms until it succeeds, for at most the given whole seconds; fails
# after that.
wait_for()
{
    local deadline=$(($(date +%s%N) + $1 * 1000000000))
    shift
    until "$@"; do
        [ "$(date +%s%N)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# Succeeds when the command does or when the process has ended: what a process shows can be
# waited for without waiting out the deadline after it has ended.
gone() { ! kill -0 "$1" 2>/dev/null; }
or_gone() { local pid=$1; shift; "$@" || gone "$pid"; }

# A window's inside on the screen as WxH+X+Y (xwininfo: xdotool counts a frame's offset twice).
window_area()
{
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { printf "%dx%d+%d+%d\n", w, h, x, y }'
}

# Prints the first visible window of the process with the given title and at least the given
# width; fails if there is none.
window_of()
{
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null); do
        [ "${3:-0}" -eq 0 ] || [ "$(window_area "$id" | cut -dx -f1)" -ge "$3" ] || continue
        echo "$id"
        return 0
    done
    return 1
}

# Waits until the process shows a window with the given title (and at least the given width);
# prints its id.
wait_window()
{
    local id
    id=$(wait_for "${3:-10}" or_gone "$1" window_of "$1" "$2" "${4:-0}") && [ -n "$id" ] && echo "$id"
}

# The main window: titled like the message boxes, but far wider than any of them.
wait_main_window() { wait_window "$1" Lorvane "${2:-15}" 600; }

# Waits for the process to end and sets EXIT_STATUS to its exit status, or to "running" after
# the timeout. Not for use in $(...): only this shell can collect its own children's status.
wait_exit()
{
    EXIT_STATUS=running
    wait_for "${2:-10}" gone "$1" || return 0
    EXIT_STATUS=0
    wait "$1" || EXIT_STATUS=$?
}

# Zero when the process ended within the timeout with the given status.
exits_with() { wait_exit "$1" "$2"; [ "$EXIT_STATUS" = "$3" ]; }

# The program's menus are its only windows without a title.
menu_shown() { window_of "$1" '' >/dev/null; }
not() { ! "$@"; }

# Opens a menu of the given window by its letter (f: File) and presses the keys in it. The menu
# shows only once the program has taken every key before; this returns when it has closed. On a
# busy machine a first Alt+letter now and then goes unseen: it is pressed again.
use_menu()
{
    local pid
    pid=$(xdotool getwindowpid "$1" 2>/dev/null) || pid=
    for _ in 1 2 3; do
        xdotool windowfocus --sync "$1" key "alt+$2" 2>/dev/null || true
        wait_for 5 menu_shown "$pid" && break
    done
    xdotool key "${@:3}"
    wait_for 10 not menu_shown "$pid" || true
}

# File > Start and File > Quit from the keyboard, in the given window.
menu_start() { use_menu "$1" f Return; }
menu_quit() { use_menu "$1" f q; }

# Presses Return in a window, as a user closing a message box would.
press_return()
{
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key --clearmodifiers Return
}

shoot() { import -window root "$SHOTS/$1.png"; }

# A session bus and an accessibility bus of this run's own, for a screen reader's view of the
# program (tests/e2e/lib/reader.py); both go when the script ends.
start_reader_buses()
{
    eval "$(dbus-launch --sh-syntax)"
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    READER_LAUNCHER=$!
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    # The accessibility bus is the launcher's child and the session bus a daemon.
    trap 'kill $(pgrep -P "$READER_LAUNCHER") "$READER_LAUNCHER" "$DBUS_SESSION_BUS_PID" 2>/dev/null; cleanup' EXIT
}

finish()
{
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "all checks passed"
}

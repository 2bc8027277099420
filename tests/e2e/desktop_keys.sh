#!/usr/bin/env bash
# The keyboard and the dialogs on a desktop: the focused answer is seen, Enter goes on after a
# pause, and Configure and About open over the main window, stay above it and cannot be
# maximised, and take Enter for their default button.
source "$(dirname "$0")/lib/e2e_common.bash"
start_x

mkdir -p "$XDG_CONFIG_HOME/Lorvane"
ini=$XDG_CONFIG_HOME/Lorvane/Lorvane.ini

# A part of the main window, given in its client pixels (below the menu bar), as an image file.
shoot_part()
{
    local x y w h
    read -r w h x y <<<"$(area_of "$main_id")"
    import -window root -crop "$3x$4+$((x + $1))+$((y + h - 552 + $2))" +repage "$WORK/$5.png"
    cp "$WORK/$5.png" "$SHOTS/$5.png"
}
# How many pixels of two shots differ by more than a tenth.
differing() { compare -metric AE -fuzz 10% "$WORK/$1.png" "$WORK/$2.png" null: 2>&1 | cut -d' ' -f1; }
differ_by_at_least() { [ "$(differing "$1" "$2")" -ge "$3" ] 2>/dev/null; }

area_of() { window_area "$1" | tr 'x+' '  '; } # "W H X Y"
centre() { local w h x y; read -r w h x y <<<"$(area_of "$1")"; echo $((x + w / 2)) $((y + h / 2)); }
centred_on_main()
{
    local a b
    read -r -a a <<<"$(centre "$1")"
    read -r -a b <<<"$(centre "$main_id")"
    [ $((a[0] - b[0])) -ge -4 ] && [ $((a[0] - b[0])) -le 4 ] && [ $((a[1] - b[1])) -ge -4 ] && [ $((a[1] - b[1])) -le 4 ]
}
transient_for_main() { [[ $(xprop -id "$1" WM_TRANSIENT_FOR) == *"$(printf '0x%x' "$main_id")" ]]; }
# Neither a maximise button nor the function in the Motif hints (functions, decorations), and
# none allowed by the window manager.
not_maximisable()
{
    local hints
    read -r -a hints <<<"$(xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')"
    [ "${#hints[@]}" -ge 3 ] && [ $((hints[0] & 3)) -eq 3 ] && [ $((hints[1] & 0x10)) -eq 0 ] \
        && [ $((hints[2] & 0x40)) -eq 0 ] \
        && ! xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE
}

# The dialog of the given menu entry sits with the main window; Enter presses its default button.
check_dialog()
{
    local menu=$1 title=$2 dialog
    use_menu "$main_id" "$menu" Return
    dialog=$(wait_window "$pid" "$title" 10) || dialog=
    check "$title opens" test -n "$dialog"
    [ -n "$dialog" ] || return 0
    check "$title is centred on the main window" centred_on_main "$dialog"
    check "$title is transient for the main window" transient_for_main "$dialog"
    check "$title cannot be maximised" not_maximisable "$dialog"
    xdotool windowfocus --sync "$dialog" 2>/dev/null || true
    xdotool key "${@:3}" Return
    gone_window() { ! window_of "$pid" "$title" >/dev/null; }
    check "Enter presses the default button of $title" wait_for 10 gone_window
}

launch "$WORK/keys.err"
pid=$!
main_id=$(wait_main_window "$pid" 20) || main_id=
check "the main window appears" test -n "$main_id"

check_dialog o '  Configure' ctrl+a K e y s
check "Enter in the user name stores it" grep -qx 'UserName=Keys' "$ini"
check_dialog a '  About Lorvane 2004'

# The answer rows and the question number, in client pixels.
rows=(16 128 608 216)
menu_start "$main_id"
shoot_part "${rows[@]}" focus_first
xdotool key Down
focus_moved() { shoot_part "${rows[@]}" focus_second && differ_by_at_least focus_first focus_second 1000; }
wait_for 5 focus_moved || true
check "Down shows where the focus went ($(differing focus_first focus_second) pixels changed)" \
    differ_by_at_least focus_first focus_second 1000

# Space chooses the focused answer; paused with the Pouse button and resumed from the menu, Enter
# checks it and the next question comes.
xdotool key space
read -r w h x y <<<"$(area_of "$main_id")"
xdotool mousemove $((x + 700)) $((y + h - 552 + 205)) click 1
use_menu "$main_id" f Return
shoot_part 641 448 121 96 number_first
xdotool key Return
next_number() { shoot_part 641 448 121 96 number_next && differ_by_at_least number_first number_next 50; }
check "Enter after Resume checks the answer and the next question comes" wait_for 5 next_number

# With the Armenian layout active beside a Latin one, as Armenian desktops have them, Alt and the
# key that is F on the Latin layout (Armenian_yech on the Armenian) open the File menu.
setxkbmap -layout am,us
xdotool windowfocus --sync "$main_id" 2>/dev/null || true
xdotool key alt+Armenian_yech
check "Alt and the F key open File on the Armenian layout" wait_for 5 menu_shown "$pid"
xdotool key Escape
wait_for 5 not menu_shown "$pid" || true
setxkbmap -layout us

menu_quit "$main_id"
check "File > Quit ends the program" exits_with "$pid" 5 0
finish

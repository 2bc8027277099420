#!/usr/bin/env bash
# The interface's language, as a screen reader reads it over AT-SPI: on an Armenian desktop the
# menus, buttons, captions and results are Armenian through a whole test taken with the keyboard;
# on any other the English texts are those the program always had.
source "$(dirname "$0")/lib/e2e_common.bash"
start_x
start_reader_buses
export LANG=C.UTF-8 # this script's own tools; the program gets its language at each launch

reads() { /usr/bin/python3 "$E2E_DIR/lib/reader.py" all 2>/dev/null; }
# The menus and buttons of the title screen, one per line, in the order they are read.
title_names() { reads | grep -E '^(menu item|push button): ' | sort -u; }
reads_line() { grep -qxF "$1" <<<"$(reads)"; }

expected_title()
{
    if [ "$1" = hy ]; then
        printf '%s\n' "menu item: Ֆայլ (F)" "menu item: Ընտրանքներ (O)" "menu item: Մասին (A)" \
            "push button: Սկսել" "push button: Դադար" "push button: Ելք" "push button: Հաջորդը" \
            "push button: Սկսել տեստը" "push button: Դադար տալ տեստին" "push button: Կարգավորումներ" \
            "push button: Lorvane 2004-ի մասին"
    else
        printf '%s\n' "menu item: File" "menu item: Options" "menu item: About" \
            "push button: Start" "push button: Pouse" "push button: Quit" "push button: Next" \
            "push button: Start a test" "push button: Pause the test" "push button: Properties" \
            "push button: About Lorvane 2004"
    fi | sort -u
}

for language in C hy; do
    LANG=$([ "$language" = hy ] && echo hy_AM.UTF-8 || echo C) launch "$WORK/$language.err"
    pid=$!
    main_id=$(wait_main_window "$pid" 20) || main_id=
    xdotool windowfocus --sync "$main_id" 2>/dev/null || true
    same_title() { [ "$(title_names)" = "$(expected_title "$language")" ]; }
    check "LANG=$language: the menus and buttons read as they should" wait_for 20 same_title
    [ "$language" = C ] && { menu_quit "$main_id"; exits_with "$pid" 5 0 || true; }
done

# A whole test in Armenian, by keys alone.
menu_start "$main_id"
check "the test's buttons read in Armenian" reads_line "push button: Ընդհատել"
check "the question's number reads in Armenian" reads_line "filler: Հարց 1՝ 30-ից"
focus() { /usr/bin/python3 "$E2E_DIR/lib/reader.py" 2>/dev/null | sed -n 's/^focus: //p'; }
for _ in $(seq 8); do [ "$(focus)" = Դադար ] && break; xdotool key Tab; done
xdotool key space
check "Space on Դադար pauses, and the button offers Շարունակել" wait_for 5 reads_line "push button: Շարունակել"
xdotool key alt+f Return
check "File > Resume goes on in Armenian" wait_for 5 reads_line "push button: Դադար"
xdotool key $(printf '2 Return %.0s' $(seq 30))
results_read() { reads_line "  Lorvane 2004, ստեղծել է Lorvane-ի թիմը"; }
check "the results read in Armenian" wait_for 40 results_read
check "the results' heading reads in Armenian" reads_line "  Տեստն ավարտվեց։ Տեսեք Ձեր արդյունքները"
menu_quit "$main_id"
check "Alt+F and Q end the program in Armenian too" exits_with "$pid" 5 0
# The teachers' command speaks the desktop's language too; under C, the English it always had.
bank=$(dirname "$LORVANE")/lorvane-bank
check "lorvane-bank's help is Armenian" grep -qxF 'Հրամաններ՝' <(LANG=hy_AM.UTF-8 "$bank" --help)
check "lorvane-bank names a bad command in Armenian" grep -qxF 'lorvane-bank: անհայտ հրաման՝ «frob» (տե՛ս lorvane-bank --help)' <(LANG=hy_AM.UTF-8 "$bank" frob 2>&1)
check "under LANG=C lorvane-bank's message is the English of before" grep -qxF 'lorvane-bank: unknown command "frob" (see lorvane-bank --help)' <(LANG=C "$bank" frob 2>&1)
finish

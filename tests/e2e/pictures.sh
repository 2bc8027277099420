#!/usr/bin/env bash
# A teacher's test in the real program: installed without a picture list its questions show
# "No Preview"; installed with one, the picture it names, shrunk into the preview area.
source "$(dirname "$0")/lib/e2e_common.bash"
start_x

bank=$(dirname "$LORVANE")/lorvane-bank
preview_area="500x150+70+378" # inside the preview area's border, at the window's design size

for i in $(seq 31); do
    printf '"%sq%d","a","b","c","d",%d\r\n' "$([ "$i" = 1 ] && echo .)" "$i" $((i % 4 + 1))
done >"$WORK/t.lvq"
# Red, with a green band at its left edge that is in sight only when the whole picture is shrunk.
convert -size 1600x400 xc:red -fill lime -draw 'rectangle 0,0 199,399' "$WORK/big.png"
for i in $(seq 31); do echo "$i: big.png"; done >"$WORK/list.txt"

# Pixels of about the given colour in the preview area.
preview_pixels()
{
    import -window "$main_id" "$SHOTS/preview.png"
    convert "$SHOTS/preview.png" -crop "$preview_area" +repage -fuzz 20% -fill 'rgb(1,2,3)' -opaque "$1" \
        -fuzz 0 -fill black +opaque 'rgb(1,2,3)' -fill white -opaque 'rgb(1,2,3)' -format '%[fx:round(mean*w*h)]' info:
}
shows() { [ "$(preview_pixels "$1")" -ge "$2" ]; }

# Starts a test in the program and checks the first question's preview.
first_question_shows()
{
    local what=$1 pid
    launch "$WORK/run.err"
    pid=$!
    main_id=$(wait_main_window "$pid" 15) || main_id=
    menu_start "$main_id"
    check "$what" wait_for 5 "${@:2}"
    cp "$SHOTS/preview.png" "$SHOTS/${what// /_}.png" 2>/dev/null || true
    menu_quit "$main_id"
    exits_with "$pid" 5 0 || kill -9 "$pid"
}

no_preview() { shows black 100 && [ "$(preview_pixels red)" = 0 ]; }
shrunk_picture() { shows red 20000 && shows lime 3000; }

"$bank" install "$WORK/t.lvq" >/dev/null
first_question_shows "without a list: No Preview" no_preview
"$bank" install --pictures "$WORK/list.txt" "$WORK/t.lvq" >/dev/null
first_question_shows "with a list: the picture, shrunk whole into the area" shrunk_picture

# A third install keeps every earlier test: restore brings each back, byte for byte, and the
# carried one.
sed 's/q31/q31 again/' "$WORK/t.lvq" >"$WORK/t2.lvq"
"$bank" install "$WORK/t2.lvq" >/dev/null
restored()
{
    "$bank" restore "$1" >/dev/null && cmp -s "$WinDir/LVT.lvq" "$2"
}
check "restore 1 brings back the first install" restored 1 "$WORK/t.lvq"
check "restore 3 brings back the third, which restore 1 replaced" restored 3 "$WORK/t2.lvq"
check "restore --default brings back the carried test" restored --default "$SOURCE_DIR/resources/LVT.lvq"
check "and every test replaced is kept ($(ls "$WinDir/LVT-backups" | tr '\n' ' '))" \
    test "$(ls "$WinDir"/LVT-backups/*.lvq | wc -l)" = 5

finish

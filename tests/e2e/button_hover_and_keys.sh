#!/usr/bin/env bash
# The owner-drawn buttons under real X input: the pointer over the save button lights its glow
# and leaving puts it out (read from screenshots); Alt with a letter presses neither button,
# since neither saved caption marks an access key; clicking OK and save applies and saves.
# With QV_SCREENSHOTS set to a folder, the resting and hovered window is saved there.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

# The save button's place in the window and its size.
SAVE_LEFT=540
SAVE_TOP=53
SAVE_WIDTH=76
SAVE_HEIGHT=53

# Pixels of the save button's glow and the colour each one takes while hovered:
# top line, second row, bottom line, left and right side lines, inner frame left and right.
GLOW=(
    "38 1 #FFF3CE"
    "38 2 #FFDB8C"
    "38 51 #E79600"
    "2 26 #FFCB6B"
    "73 26 #FFCB6B"
    "1 26 #FFB231"
    "74 26 #FFB231"
)

SHOT="$QV_WORK/shot.png"

shoot() {
    import -window root "$SHOT"
}

# The colour of a pixel of the save button in the last screenshot, as #RRGGBB.
save_pixel() {
    convert "$SHOT" -crop "1x1+$((QV_X + SAVE_LEFT + $1))+$((QV_Y + SAVE_TOP + $2))" txt:- |
        tail -n 1 | grep -o '#[0-9A-F]\{6\}' | head -n 1
}

# True when every glow pixel has its hover colour.
glowing() {
    shoot
    local entry x y colour
    for entry in "${GLOW[@]}"; do
        read -r x y colour <<<"$entry"
        [[ "$(save_pixel "$x" "$y")" == "$colour" ]] || return 1
    done
}

# True when no glow pixel has its hover colour.
resting() {
    shoot
    local entry x y colour
    for entry in "${GLOW[@]}"; do
        read -r x y colour <<<"$entry"
        [[ "$(save_pixel "$x" "$y")" != "$colour" ]] || return 1
    done
}

keep_window() {
    [[ -n "${QV_SCREENSHOTS:-}" ]] || return 0
    mkdir -p "$QV_SCREENSHOTS"
    import -window "$QV_WINDOW" "$QV_SCREENSHOTS/$1"
}

library_stamp() {
    stat -c '%i %y' "$QV_PROGRAM/ZAFIK.LIB"
}

library_changed() {
    [[ "$(library_stamp)" != "$before" ]]
}

qv_start_x
qv_install "$QV_HERE/three_records.lib"
qv_start

# Resting: the pointer well away from the window.
xdotool mousemove --sync 1000 700
qv_eventually resting || qv_fail "the save button glows with the pointer away"
keep_window screenshot-resting.png

# Over the button the glow comes; away from it the glow goes without any further move.
xdotool mousemove --sync $((QV_X + SAVE_LEFT + SAVE_WIDTH / 2)) $((QV_Y + SAVE_TOP + SAVE_HEIGHT / 2))
if ! qv_eventually glowing; then
    for entry in "${GLOW[@]}"; do
        read -r x y colour <<<"$entry"
        echo "pixel $x,$y: $(save_pixel "$x" "$y"), expected $colour" >&2
    done
    qv_fail "no hover glow on the save button"
fi
keep_window screenshot-hover.png
xdotool mousemove --sync 1000 700
qv_eventually resting || qv_fail "the glow stayed after the pointer left"

# Edit a record, then try Alt with the letters of both buttons: nothing is saved.
qv_click "${QV_ROW_1[@]}"
qv_type_into "${QV_TEXT1_0[@]}" "Q999"
qv_type_into "${QV_TEXT1_5[@]}" "7.5"
before=$(library_stamp)
for letter in o s a v e k; do
    xdotool key --clearmodifiers "alt+$letter"
done
sleep 0.5
[[ "$(library_stamp)" == "$before" ]] || qv_fail "an Alt key saved the catalogue"

# Nor was anything applied: save by mouse writes the catalogue as it was.
qv_click "${QV_COMMAND1[@]}"
qv_eventually library_changed || qv_fail "clicking save did not save"
cmp -s "$QV_HERE/three_records.lib" "$QV_PROGRAM/ZAFIK.LIB" ||
    qv_fail "an Alt key applied the edits"

# OK applies the fields and save writes them. The pause keeps the second press on save from
# being the end of a double click, which clicks only once.
qv_click "${QV_COMMAND2[@]}"
sleep 0.5
qv_click "${QV_COMMAND1[@]}"
qv_eventually cmp -s "$QV_HERE/three_records_edited.lib" "$QV_PROGRAM/ZAFIK.LIB" ||
    qv_fail "OK and save did not apply and save the edits"

qv_close "$QV_WINDOW"
qv_expect_exit
echo "PASS"

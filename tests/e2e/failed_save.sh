#!/usr/bin/env bash
# Saves while the data folder has gone: the user is told, the old file stays whole and the
# program keeps running with its edits, which a save after the folder is back writes out.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

qv_start_x
qv_install "$QV_HERE/three_records.lib"
qv_start

qv_click "${QV_ROW_1[@]}"
qv_type_into "${QV_TEXT1_0[@]}" "Q999"
qv_type_into "${QV_TEXT1_5[@]}" "7.5"
qv_click "${QV_COMMAND2[@]}"

mv "$QV_PROGRAM" "$QV_PROGRAM.moved"
qv_click "${QV_COMMAND1[@]}"
message=$(qv_wait_window "^Save failed\$") || qv_fail "no message about the failed save"
kill -0 "$QV_PID" 2>/dev/null || qv_fail "the program ended after the failed save"
cmp -s "$QV_HERE/three_records.lib" "$QV_PROGRAM.moved/ZAFIK.LIB" ||
    qv_fail "the failed save changed the old catalogue"
[[ ! -e "$QV_PROGRAM" ]] || qv_fail "the failed save created the data folder"

mv "$QV_PROGRAM.moved" "$QV_PROGRAM"
xdotool windowfocus --sync "$message"
xdotool key Return
qv_eventually qv_window_gone "$message" || qv_fail "the message did not close"
xdotool windowfocus --sync "$QV_WINDOW"
# Another press on the same spot this soon would be the second half of a double click, which
# clicks only once.
sleep 0.5
qv_click "${QV_COMMAND1[@]}"
qv_eventually cmp -s "$QV_HERE/three_records_edited.lib" "$QV_PROGRAM/ZAFIK.LIB" ||
    qv_fail "the edits did not survive the failed save"

qv_close "$QV_WINDOW"
qv_expect_exit
echo "PASS"

#!/usr/bin/env bash
# Edits a mesh type with real pointer and keyboard input, applies it, saves, closes the window
# and compares the written catalogue byte for byte with the expected one.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

qv_start_x
qv_install "$QV_HERE/three_records.lib"
qv_start

qv_click "${QV_ROW_1[@]}"
qv_type_into "${QV_TEXT1_0[@]}" "Q999"
qv_type_into "${QV_TEXT1_5[@]}" "7.5"
qv_click "${QV_COMMAND2[@]}"
qv_click "${QV_COMMAND1[@]}"
qv_close "$QV_WINDOW"

qv_expect_exit
if ! cmp "$QV_HERE/three_records_edited.lib" "$QV_PROGRAM/ZAFIK.LIB"; then
    diff <(od -c "$QV_HERE/three_records_edited.lib") <(od -c "$QV_PROGRAM/ZAFIK.LIB") >&2 || true
    qv_fail "the saved catalogue differs from the expected one"
fi
echo "PASS"

#!/usr/bin/env bash
# Without a catalogue beside it the program says which file it could not read and ends with a
# failure status, without opening its window.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

qv_start_x
cp "$QV_BINARY" "$QV_PROGRAM/quorvel"
(cd "$QV_WORK" && exec "$QV_PROGRAM/quorvel" >"$QV_WORK/quorvel.log" 2>&1) &
QV_PID=$!

message=$(qv_wait_window "^Cannot open the catalogue\$") || qv_fail "no message about the catalogue"
if xdotool search --name "^$QV_TITLE\$" >/dev/null 2>&1; then
    qv_fail "the editor window opened without a catalogue"
fi
xdotool windowfocus --sync "$message"
xdotool key Return
status=0
qv_eventually bash -c "! kill -0 $QV_PID" || qv_fail "the program did not end after the message"
wait "$QV_PID" || status=$?
QV_PID=""
[[ "$status" != 0 ]] || qv_fail "the program ended with status 0"
echo "PASS"

# Shared steps of the end-to-end tests: a private X server, the program in a folder of its own,
# and pointer and keyboard input at positions inside the editor window.
set -euo pipefail

QV_BINARY=$(readlink -f "$1")
QV_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
QV_WORK=$(mktemp -d)
QV_PROGRAM="$QV_WORK/program"
QV_TITLE="WELDED WIRE FABRIC REINF. LIBRARY"
QV_XVFB_PID=""
QV_PID=""
mkdir -p "$QV_PROGRAM"

qv_cleanup() {
    [[ -n "$QV_PID" ]] && kill "$QV_PID" 2>/dev/null || true
    [[ -n "$QV_XVFB_PID" ]] && kill "$QV_XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$QV_WORK"
}
trap qv_cleanup EXIT

qv_fail() {
    echo "FAIL: $*" >&2
    [[ -s "$QV_WORK/quorvel.log" ]] && sed 's/^/quorvel: /' "$QV_WORK/quorvel.log" >&2
    exit 1
}

# Starts a private Xvfb. The server picks a free display number itself and reports it once it
# accepts connections, so tests running side by side never share or steal a display. -noreset:
# otherwise the server resets when the readiness probe disconnects, and a program connecting
# during that reset is refused.
qv_start_x() {
    local numberFile="$QV_WORK/display" i
    : >"$numberFile"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$numberFile" >"$QV_WORK/xvfb.log" 2>&1 &
    QV_XVFB_PID=$!
    for i in $(seq 100); do
        if [[ -s "$numberFile" ]]; then
            export DISPLAY=":$(tr -d '[:space:]' <"$numberFile")"
            DISPLAY="$DISPLAY" xdpyinfo >/dev/null 2>&1 || qv_fail "Xvfb on $DISPLAY does not answer"
            return 0
        fi
        kill -0 "$QV_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    cat "$QV_WORK/xvfb.log" >&2
    qv_fail "Xvfb did not start"
}

# The data folder is the program's own folder, so the program is copied beside the catalogue.
qv_install() {
    cp "$QV_BINARY" "$QV_PROGRAM/quorvel"
    cp "$1" "$QV_PROGRAM/ZAFIK.LIB"
}

# Waits up to 10 s for a window whose title matches; prints its id.
qv_wait_window() {
    local i id
    for i in $(seq 100); do
        id=$(xdotool search --name "$1" 2>/dev/null | head -n 1 || true)
        if [[ -n "$id" ]] && xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable'; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

qv_start() {
    (cd "$QV_WORK" && exec "$QV_PROGRAM/quorvel" >"$QV_WORK/quorvel.log" 2>&1) &
    QV_PID=$!
    QV_WINDOW=$(qv_wait_window "^$QV_TITLE\$") || qv_fail "the editor window did not appear"
    eval "$(xdotool getwindowgeometry --shell "$QV_WINDOW")"
    QV_X=$X
    QV_Y=$Y
    xdotool windowfocus --sync "$QV_WINDOW"
}

# Clicks at a position of the window's client area. The pointer comes from elsewhere each time,
# so that the control under it sees it arrive even right after a modal message.
qv_click() {
    xdotool mousemove --sync 1 1 mousemove --sync $((QV_X + $1)) $((QV_Y + $2)) click 1
    sleep 0.2
}

# Replaces the text of the edit field at a position of the window.
qv_type_into() {
    qv_click "$1" "$2"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "$3"
    sleep 0.1
}

# Retries a check for up to 10 s: the program handles the input at its own pace.
qv_eventually() {
    local i
    for i in $(seq 100); do
        "$@" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

qv_window_gone() {
    ! xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'
}

qv_close() {
    python3 "$QV_HERE/close_window.py" "$1"
}

# Waits up to 10 s for the program to end and checks that it ended well.
qv_expect_exit() {
    local i status=0
    for i in $(seq 100); do
        if ! kill -0 "$QV_PID" 2>/dev/null; then
            wait "$QV_PID" || status=$?
            QV_PID=""
            [[ "$status" == 0 ]] || qv_fail "the program ended with status $status"
            return 0
        fi
        sleep 0.1
    done
    qv_fail "the program did not end after its window was closed"
}

# Positions in the window's client area, from its fixed layout.
QV_ROW_1=(100 222)          # second row of the list
QV_TEXT1_0=(60 47)          # mesh type name
QV_TEXT1_5=(290 139)        # unit weight
QV_COMMAND2=(470 38)        # OK
QV_COMMAND1=(578 79)        # save

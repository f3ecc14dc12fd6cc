# Shared steps of the end-to-end tests: the real program under its own Xvfb, with its data and
# settings in a temporary folder, driven by xdotool as an operator would.
# Usage in a test: source "$(dirname "$0")/lib.sh" "$@"   (arguments: program, screenshot folder)

set -euo pipefail

E2E_PROGRAM=$1
E2E_SHOTS=$2
E2E_HOME=$(mktemp -d)
mkdir -p "$E2E_SHOTS"
export XDG_DATA_HOME=$E2E_HOME/data XDG_CONFIG_HOME=$E2E_HOME/config XDG_RUNTIME_DIR=$E2E_HOME/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
E2E_DATA=$XDG_DATA_HOME/ORV_PC
E2E_SETTINGS=$XDG_CONFIG_HOME/ORV_PC/PC.ini
E2E_XVFB_PID=""
E2E_PROGRAM_PID=""

e2e_cleanup() {
    [ -n "$E2E_PROGRAM_PID" ] && kill "$E2E_PROGRAM_PID" 2>/dev/null || true
    [ -n "$E2E_XVFB_PID" ] && kill "$E2E_XVFB_PID" 2>/dev/null || true
    rm -rf "$E2E_HOME"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts Xvfb on a display number it picks itself: it takes the number's lock file before it
# answers, so two tests started at once never share a display.
e2e_start_display() {
    local number_file=$E2E_HOME/display_number
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    E2E_XVFB_PID=$!
    for _ in $(seq 100); do
        if [ -s "$number_file" ]; then
            export DISPLAY=":$(head -n 1 "$number_file")"
            xdpyinfo >/dev/null 2>&1 && return 0
        fi
        sleep 0.1
    done
    fail "no display could be started"
}

# A log line as the program writes it (CR LF): first name PAUL, 10:00, SSB, reports 59.
e2e_qso() {  # callsign, departement, reference, date, band (7 characters), site name (30), QSL flag
    printf '%-12s %-2s   PAUL            %-5s %s 10:00 SSB %-7s 59  59  %-30s %s\r\n' "$@"
}

e2e_start_program() {
    "$E2E_PROGRAM" >"$E2E_HOME/program.log" 2>&1 &
    E2E_PROGRAM_PID=$!
}

# Prints the id of the visible window whose title matches, waiting up to 15 s for it. xdotool's
# --sync keeps one connection to the display while it waits: a new connection every tenth of a
# second, made while the program opens its own, sometimes makes the program's fail. xdotool ends
# with an X error when a window it looks at goes away meanwhile: it then looks again.
e2e_window() {
    local id="" deadline=$((SECONDS + 15))
    while [ -z "$id" ] && [ $SECONDS -lt $deadline ]; do
        id=$(timeout $((deadline - SECONDS)) xdotool search --sync --onlyvisible --name "$1" \
            2>/dev/null | head -n 1) || sleep 0.1
    done
    [ -n "$id" ] || fail "no window named '$1'"
    echo "$id"
}

# Waits for the last thing the program's start writes, once its main window is shown: the
# program's revision, stored for the station.
e2e_start_written() {
    e2e_until 'grep -q "^R%E8vision=" "$E2E_SETTINGS"' 'the revision was not stored: $(cat "$E2E_SETTINGS")'
}

# Gives a window the keyboard; returns once the display has moved the focus to it. The keys sent
# after it reach the program after the focus change, and it handles them in that order.
e2e_focus() {
    xdotool windowfocus --sync "$1"
}

e2e_type() {
    xdotool type --delay 30 "$1"
}

# Keys, in order; what they make the program do is awaited by the checks after them.
e2e_key() {
    xdotool key --delay 50 "$@"
}

# Waits up to 10 s until CONDITION (shell code, run again every tenth of a second) holds: a file
# written, a setting stored, a window closed. Both arguments are expanded when used, so that the
# message can show what was there at the end; give them in single quotes.
e2e_until() {  # condition, failure message
    for _ in $(seq 100); do
        eval "$1" && return 0
        sleep 0.1
    done
    eval "fail \"$2\""
}

# Waits until the window (an id from e2e_window) is no longer shown.
e2e_closed() {
    local window=$1
    e2e_until '! xwininfo -id "$window" 2>/dev/null | grep -q IsViewable' 'the window $window did not close'
}

# Waits until the keyboard has left WINDOW: the program gave it to another window, as it does
# when a command brings an open window to the front.
e2e_focus_left() {  # window
    local window=$1
    e2e_until '[ "$(xdotool getwindowfocus)" != "$window" ]' 'the keyboard stayed on window $window'
}

# Chooses a command of a window's menu bar from the keyboard: Alt reaches the first title, Right
# moves along the titles (place from 0), Down opens the menu on its first item and moves down to
# the item (from 1; none for a command of the bar itself; "last" for its last item), Return
# chooses it.
e2e_menu() {  # window, place on the bar, item
    e2e_focus "$1"
    xdotool key alt
    for _ in $(seq "$2"); do xdotool key Right; done
    case "${3:-}" in
        "") ;;
        last) xdotool key Down Up ;;
        *) for _ in $(seq "$3"); do xdotool key Down; done ;;
    esac
    e2e_key Return
}

e2e_screenshot() {
    import -window root "$E2E_SHOTS/$1.png"
}

# Keeps a screenshot of a window once its picture has settled (a page drawn, a list filled): the
# same picture twice in a row, a fifth of a second apart.
e2e_settled_screenshot() {  # window, screenshot name
    local picture=$E2E_HOME/picture.ppm previous="" current
    for _ in $(seq 25); do
        import -window "$1" "$picture"
        current=$(md5sum <"$picture")
        [ "$current" = "$previous" ] && break
        previous=$current
        sleep 0.2
    done
    convert "$picture" "$E2E_SHOTS/$2.png"
}

# Waits until the program has ended by itself, up to 10 s.
e2e_wait_end() {
    e2e_until '! kill -0 "$E2E_PROGRAM_PID" 2>/dev/null' "the program did not end"
    E2E_PROGRAM_PID=""
}

# "Quitter ORV_PC", the last command of the first menu, then the program's end.
e2e_quit() {  # main window
    e2e_menu "$1" 0 last
    e2e_wait_end
}

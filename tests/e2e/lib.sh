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
# second, made while the program opens its own, sometimes makes the program's fail.
e2e_window() {
    local id
    id=$(timeout 15 xdotool search --sync --onlyvisible --name "$1" | head -n 1) ||
        fail "no window named '$1'"
    echo "$id"
}

e2e_focus() {
    xdotool windowfocus --sync "$1"
    sleep 0.2
}

e2e_type() {
    xdotool type --delay 30 "$1"
}

e2e_key() {
    xdotool key --delay 50 "$@"
    sleep 0.3
}

e2e_screenshot() {
    import -window root "$E2E_SHOTS/$1.png"
}

# Waits until the program has ended by itself, up to 10 s.
e2e_wait_end() {
    for _ in $(seq 100); do
        kill -0 "$E2E_PROGRAM_PID" 2>/dev/null || { E2E_PROGRAM_PID=""; return 0; }
        sleep 0.1
    done
    fail "the program did not end"
}

# First start of the real program: the first-installation message, the Station window, the empty
# log of the chosen station; then a second start that opens the main window directly.

source "$(dirname "$0")/lib.sh" "$@"

# The value of KEY in section SECTION of the settings file, as QSettings writes them escaped.
ini_value() {
    awk -v section="[$1]" -v key="$2" '
        /^\[/ { inside = ($0 == section) }
        inside && index($0, key "=") == 1 { print substr($0, length(key) + 2) }
    ' "$E2E_SETTINGS"
}

e2e_start_display
e2e_start_program

message=$(e2e_window '^ORV_PC$')
e2e_focus "$message"
e2e_key Return

station=$(e2e_window '^Selection Indicatif$')
e2e_focus "$station"
e2e_type 'f4abc/p'
e2e_screenshot station_window
e2e_key Return
e2e_key Return

main=$(e2e_window '^ORV PC ')
[ -f "$E2E_DATA/F4ABC_P_PC.log" ] || fail "no log F4ABC_P_PC.log in $E2E_DATA"
[ -s "$E2E_DATA/F4ABC_P_PC.log" ] && fail "the new log is not empty"
[ "$(ini_value 'Setup%20' 'Indicatif%20Station')" = F4ABC_P ] ||
    fail "Indicatif Station not stored: $(cat "$E2E_SETTINGS")"
[ "$(ini_value 'Setup%20F4ABC_P' 'bande%20Utilisee')" = 0 ] || fail "bande Utilisee is not 0"
[ "$(ini_value 'Setup%20F4ABC_P' 'Mode%20Utilise')" = 0 ] || fail "Mode Utilise is not 0"
e2e_screenshot main_window_first_start

e2e_quit "$main"

e2e_start_program
main=$(e2e_window '^ORV PC ')
xdotool search --onlyvisible --name '^(ORV_PC|Selection Indicatif)$' >/dev/null &&
    fail "the second start asked for the station again"
e2e_screenshot main_window_second_start
[ "$(ini_value 'Setup%20' 'Indicatif%20Station')" = F4ABC_P ] || fail "the station changed"
echo "first start: PASS"

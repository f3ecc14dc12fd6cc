# The settings name a station whose log is not in the data folder: the "Erreur" window, and its
# "Initialiser" button, which forgets the station and ends the program.

source "$(dirname "$0")/lib.sh" "$@"

mkdir -p "$E2E_DATA" "$(dirname "$E2E_SETTINGS")"
printf '[Setup%%20]\nIndicatif%%20Station=F4ABC_P\n' >"$E2E_SETTINGS"

e2e_start_display
e2e_start_program

dialog=$(e2e_window '^Erreur$')
e2e_focus "$dialog"
e2e_screenshot error_dialog
# "Initialiser" is the first button of the window, and so holds the focus when it opens.
e2e_key space
e2e_wait_end

grep -qx 'Indicatif%20Station=FXXXX' "$E2E_SETTINGS" ||
    fail "FXXXX not stored: $(cat "$E2E_SETTINGS")"
[ -z "$(ls -A "$E2E_DATA")" ] || fail "files appeared in the data folder: $(ls "$E2E_DATA")"
echo "missing log: PASS"

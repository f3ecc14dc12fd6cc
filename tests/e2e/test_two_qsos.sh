# Two QSOs typed by the operator in the real program with the automatic date, each field accepted
# with Return, committed with Return on "Valider le QSO" and on the question's "Oui": the log then
# holds exactly their two lines.
source "$(dirname "$0")/lib.sh" "$@"

mkdir -p "$E2E_DATA" "$(dirname "$E2E_SETTINGS")"
printf '[Setup%%20]\nIndicatif%%20Station=F4ABC\n\n[Setup%%20F4ABC]\nbande%%20Utilisee=5\n' \
    >"$E2E_SETTINGS"
: >"$E2E_DATA/F4ABC_PC.log"
# Windows-1252: \342 is "â", \351 is "é".
printf 'Rev 012 01/03/24;;\r\nPC-89001;Ch\342teau de Gu\351delon;x;001;y;Treigny;Perreuse;z\r\nPC-2a001;Citadelle;x;001;y;Ajaccio;;z\r\n' \
    >"$E2E_DATA/Liste_PC.csv"

e2e_start_display
e2e_start_program
main=$(e2e_window "ORV PC")
e2e_focus "$main"

# Message boxes are the only windows titled ORV_PC (the main window's title has a blank there).
# Return answers the default button (OK, Oui); the main window then takes the keys again.
answer_box() {
    local box
    box=$(e2e_window "ORV_PC")
    e2e_focus "$box"
    if [ -n "${1:-}" ]; then
        e2e_screenshot "$1"
    fi
    e2e_key Return
    e2e_closed "$box"
    e2e_focus "$main"
}

# Callsign, first name and reference are typed; mode, reports, site name and QSL are taken as
# the program shows them.
type_qso() {
    e2e_type "$1"
    e2e_key Return
    if [ -n "$2" ]; then
        e2e_type "$2"
    fi
    e2e_key Return
    e2e_type "$3"
    e2e_key Return
    e2e_key Return Return Return Return Return
    e2e_key Return
    answer_box "${4:-}"
}

# Return on the empty callsign is refused; the callsign field keeps the focus for the QSO.
e2e_key Return
answer_box
type_qso f5xyz jean 89001 commit_question
type_qso f6abc "" 2a001
log=$E2E_DATA/F4ABC_PC.log
e2e_until '[ "$(stat -c %s "$log")" = 218 ]' 'the log holds $(stat -c %s "$log") bytes, not 218'
e2e_screenshot main_window_two_qsos

export LC_ALL=C
[ "$(grep -c $'\r$' "$log")" = 2 ] || fail "the log lines do not end with CR LF"
awk 'length($0) != 108 { exit 1 }' "$log" || fail "a log line is not 107 characters long"

line() { sed -n "$1p" "$log" | tr -d '\r'; }
expect_columns() {  # line number, columns, expected text
    local got
    got=$(line "$1" | cut -c"$2")
    [ "$got" = "$3" ] || fail "line $1, columns $2: '$got' instead of '$3'"
}
for n in 1 2; do
    line "$n" | cut -c41-48 | grep -Eq '^[0-9]{2}/[0-9]{2}/[0-9]{2}$' || fail "line $n: date"
    line "$n" | cut -c50-54 | grep -Eq '^([01][0-9]|2[0-3]):[0-5][0-9]$' || fail "line $n: time"
    expect_columns "$n" 49 " "
    expect_columns "$n" 55-75 " SSB 14 Mhz  59  59  "
    expect_columns "$n" 106-107 "  "
done
expect_columns 1 1-40 "F5XYZ        89   JEAN            89001 "
expect_columns 1 76-105 "$(printf 'CH\302TEAU DE GU\311DELON           ')"
expect_columns 2 1-40 "F6ABC        2a                   2a001 "
expect_columns 2 76-105 "CITADELLE                     "

cmp -s "$E2E_DATA/Liste_Prenom.txt" <(printf 'F5XYZ        89 JEAN\r\nF6ABC        2a \r\n') ||
    fail "Liste_Prenom.txt holds: $(od -c "$E2E_DATA/Liste_Prenom.txt")"
echo "PASS: two QSOs logged"

# The report windows that write files, opened from the main window's menus on a prepared log of
# 120 QSOs: award levels and the PC 100 list, and the confirmed list. Both lists are saved and
# their files compared byte for byte; each window is kept as a screenshot. (What the scores, the
# missing QSLs and the map show is checked by the widget tests; test_every_command opens them.)
source "$(dirname "$0")/lib.sh" "$@"

mkdir -p "$E2E_DATA" "$(dirname "$E2E_SETTINGS")"
printf '[Setup%%20]\nIndicatif%%20Station=F4ABC\n' >"$E2E_SETTINGS"
log=$E2E_DATA/F4ABC_PC.log

# QSO i: departement 1 + i % 40 (2A for the last ten), every third one confirmed, the site of
# the first one with an accented capital (Windows-1252 \311). One QSO a line, fields split by "|".
qso_fields() {
    awk 'BEGIN {
        for (i = 0; i < 120; i++) {
            dep = i >= 110 ? "2A" : sprintf("%02d", 1 + i % 40)
            site = i == 0 ? "\311GLISE SAINT-PIERRE" : "CHATEAU NUMERO " i
            printf "F%dX%c%c|%s|%s0%02d|%02d/03/24|%02d:%02d|%s|%s\n", i % 9, 65 + i % 26,
                65 + int(i / 26), dep, dep, i % 100, 1 + i % 28, i % 24, i % 60, site,
                i % 3 == 0 ? "*" : " "
        }
    }'
}
qso_fields | awk -F'|' '{ printf "%-12s %-2s   %-15s %-5s %-8s %-5s %-3s %-7s %-3s %-3s %-30s %s\r\n",
    $1, $2, "PAUL", $3, $4, $5, "SSB", "14 Mhz", "59", "59", $6, $7 }' >"$log"

e2e_start_display
e2e_start_program
main=$(e2e_window '^ORV PC ')

close_window() {
    e2e_focus "$1"
    e2e_key Escape
    e2e_closed "$1"
}

# "Enregistrer" (after the list, which has the keyboard), the message box answered, then the
# saved file compared with the numbered report expected: heading, column header, numbered rows,
# footer; CR LF; Windows-1252.
save_report() {  # window, file name, heading, column header, rows (one a line)
    local box expected=$E2E_HOME/expected.txt
    e2e_focus "$1"
    e2e_key Tab Return
    box=$(e2e_window '^ORV_PC$')
    e2e_focus "$box"
    e2e_key Return
    e2e_closed "$box"
    {
        printf '%s\r\n\r\n%s\r\n\r\n' "$3" "$4"
        printf '%s\n' "$5" | awk '{ printf "%5d %s\r\n", NR, $0 }'
        printf '\r\n%24s%s\r\n' '' "$(printf 'ORV_PC, carnet de trafic du Diplome des Patrimoines Fran\347ais')"
    } >"$expected"
    [ -f "$E2E_DATA/$2" ] || fail "no report $2 in $E2E_DATA: $(ls "$E2E_DATA")"
    cmp "$E2E_DATA/$2" "$expected" ||
        fail "$2 differs: $(diff <(cat -A "$E2E_DATA/$2") <(cat -A "$expected") | head -5)"
}

file_date=$(date +%d_%m_%y)
heading_date=$(date +%d/%m/%Y)
# Windows-1252: \351 is "é", \260 is "°".
contactes=$(printf 'contact\351s')
numero=$(printf 'N\260')

e2e_menu "$main" 7
awards=$(e2e_window '^Diplomes PC$')
e2e_settled_screenshot "$awards" award_levels
# The first "Voir la liste" (PC 100, reached with 120 QSOs) has the keyboard.
e2e_focus "$awards"
e2e_key Return
award_list=$(e2e_window '^Liste Patrimoines')
e2e_settled_screenshot "$award_list" award_list
save_report "$award_list" "F4ABC_Diplome_PC_100_$file_date.txt" \
    "   F4ABC Liste alphanumerique des Sites PC $contactes au $heading_date" \
    "   $numero   Ref      Dpt   Nom du Site                     Date    Heure  Indicatif" \
    "$(qso_fields | awk -F'|' '{ printf " %-5s     %-2s  %-30s  %-8s  %-5s  %-12s\n",
        $3, $2, $6, $4, $5, $1 }')"
close_window "$award_list"
close_window "$awards"

e2e_menu "$main" 3 1
confirmed=$(e2e_window '^Liste des Patrimoines')
e2e_settled_screenshot "$confirmed" confirmed_list
save_report "$confirmed" "F4ABC_Liste_Patrimoines_$file_date.txt" \
    " F4ABC Liste alphanumerique des Patrimoines $contactes au $heading_date" \
    "   $numero   Ref        Nom du Patrimoine            Date    Indicatif    QSL" \
    "$(qso_fields | awk -F'|' '{ printf " %-5s  %-30s  %-8s  %-12s  %s\n", $3, $6, $4, $1, $7 }')"
close_window "$confirmed"

echo "PASS: award and report windows"

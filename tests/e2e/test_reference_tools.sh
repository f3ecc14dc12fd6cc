# The reference list and log tools from the menus and buttons of the real program, from the
# keyboard: the list updated from a local HTTP server (with its progress dialog), the site names
# of the log rewritten from it, a reference's detail, and the ADIF export. (The QSO search and
# its double click back to the log are checked by the widget tests.)
source "$(dirname "$0")/lib.sh" "$@"

here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$E2E_DATA" "$(dirname "$E2E_SETTINGS")"
log=$E2E_DATA/F4ABC_PC.log
export LC_ALL=C
# Windows-1252: \342 is "â", \351 is "é", \311 is "É".
{
    e2e_qso F5XYZ 89 89001 12/03/21 "14 Mhz" "ANCIEN NOM" "*"
    e2e_qso F4ABC/P 2a 2a001 13/03/21 "7.0 Mhz" "" " "
    e2e_qso F6AAA 75 75999 14/03/21 "10 Mhz" "GARDE" " "
} >"$log"
served=$E2E_HOME/served.csv
{
    printf 'Rev 012 01/03/24;;\r\n'
    printf 'PC-89001;Ch\342teau de Gu\351delon;x;001;y;Treigny;Perreuse;z\r\n'
    printf 'PC-2a001;Citadelle;x;002;y;Ajaccio;;z\r\n'
    for i in $(seq 100 399); do printf 'PC-77%s;Site num\351ro %s;x;%s;y;Commune;Seine;z\r\n' "$i" "$i" "$i"; done
} >"$served"

port_file=$E2E_HOME/port
python3 "$here/list_server.py" --file "$served" --piece 2000 --pause 0.4 \
    --requests "$E2E_HOME/requests" --lifetime 170 >"$port_file" &
server_pid=$!
trap 'kill $server_pid 2>/dev/null || true; e2e_cleanup' EXIT
e2e_until '[ -s "$port_file" ]' 'the list server did not start'
printf '[Setup%%20]\nIndicatif%%20Station=F4ABC\n\n[Adresses]\nListe%%20PC=http://127.0.0.1:%s\n' \
    "$(head -n 1 "$port_file")" >"$E2E_SETTINGS"

e2e_start_display
e2e_start_program
main=$(e2e_window "ORV PC")
e2e_focus "$main"

# Waits for the message box (titled "ORV_PC"), keeps it as a screenshot when named, and answers it.
answer_box() {  # screenshot name
    local box
    box=$(e2e_window "^ORV_PC$")
    e2e_focus "$box"
    [ -z "${1:-}" ] || e2e_screenshot "$1"
    e2e_key Return
    e2e_closed "$box"
}

# Outils > Mise a jour des références PC: the progress dialog while the list arrives.
e2e_menu "$main" 5 1
e2e_window '^Mise a jour des r' >/dev/null
e2e_screenshot reference_list_download_progress
answer_box reference_list_updated
cmp -s "$served" "$E2E_DATA/Liste_PC.csv" || fail "Liste_PC.csv is not the list served"
# The revision is remembered once its message is answered.
e2e_until 'grep -q "Revision_Liste_PC=Rev 012 01/03/24" "$E2E_SETTINGS"' 'revision not remembered'
grep -q '| VB OpenUrl | no-cache' "$E2E_HOME/requests" || fail "request: $(cat "$E2E_HOME/requests")"

# Outils > Mise a jour du nom des Patrimoines du log PC.
e2e_menu "$main" 5 2
answer_box site_names_updated
line() { sed -n "$1p" "$log" | tr -d '\r'; }
[ "$(line 1 | cut -c76-105)" = "$(printf 'CH\302TEAU DE GU\311DELON           ')" ] || fail "line 1: $(line 1)"
[ "$(line 2 | cut -c76-107)" = "$(printf '%-32s' CITADELLE)" ] || fail "line 2: $(line 2)"
[ "$(line 3 | cut -c76-107)" = "$(printf '%32s' '')" ] || fail "line 3: $(line 3)"
[ "$(line 1 | cut -c1-75)" = "$(e2e_qso F5XYZ 89 89001 12/03/21 "14 Mhz" "" "*" | cut -c1-75)" ] ||
    fail "line 1 changed outside its site name"

# "Detail Référence" for the last QSO, chosen by the update, then for the first one, chosen with
# the arrow keys in the log: the open window comes to the front. The update left the keyboard on
# "Annuler saisie en cours"; Tab goes on through "Supprimer un QSO", "Inserer un QSO", "Rechercher
# un QSO", "Detail Référence" and the log. The last QSO's reference is not in the list: a message
# says so.
e2e_focus "$main"
e2e_key Tab Tab Tab Tab Return
detail=$(e2e_window " Patrimoine$")
answer_box
e2e_focus "$main"
e2e_key Tab Up Up shift+Tab Return
e2e_focus_left "$main"
e2e_settled_screenshot "$detail" detail_window
e2e_focus "$detail"
e2e_key Escape
e2e_closed "$detail"

# Fichier > Exporter le log au format ADIF.
e2e_menu "$main" 0 1
answer_box adif_saved
adif=$E2E_DATA/F4ABC_PC.adi
head -n 1 "$adif" | grep -q '^Exportation du log de la station F4ABC au format ADIF' || fail "ADIF header"
[ "$(grep -c '<eor>' "$adif")" = 3 ] || fail "ADIF records: $(cat "$adif")"
grep -q "<CALL:5>F5XYZ <STATE:2>89 <NAME:4>PAUL <BAND:3>20m <MODE:3>SSB <QSO_DATE:8>20210312 <TIME_ON:4>1000 <RST_RCVD:2>59 <RST_SENT:2>59 <SIG:5>89001 <SIG_INFO:19>$(printf 'CH\302TEAU DE GU\311DELON') <QSL_RCVD:1>Y <eor>" "$adif" ||
    fail "first ADIF record: $(sed -n 7p "$adif")"
echo "PASS: list updated, site names rewritten, detail and ADIF export"

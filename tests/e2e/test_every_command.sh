# Every command of the main window's menus and its two window buttons, chosen from the keyboard
# alone as a blind operator would (Alt reaches the menu bar, Tab the buttons), on a prepared log,
# with a local server standing in for the web sites. Each window opens once even when asked twice
# and is kept as a screenshot; "Quitter ORV_PC" ends the program with its windows open.
source "$(dirname "$0")/lib.sh" "$@"

here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$E2E_DATA" "$(dirname "$E2E_SETTINGS")"
log=$E2E_DATA/F4ABC_PC.log
{
    e2e_qso F5XYZ 89 89001 12/03/21 "14 Mhz" "CHATEAU DE GUEDELON" "*"
    e2e_qso F4ABC/P 2a 2a001 13/03/21 "7.0 Mhz" "CITADELLE" " "
    e2e_qso F6AAA 75 75999 14/03/21 "10 Mhz" "" " "
} >"$log"
printf 'Rev 012 01/03/24;;\r\nPC-89001;Chateau de Guedelon;x;001;y;Treigny;Perreuse;z\r\nPC-75999;Garde;x;999;y;Paris;;z\r\n' \
    >"$E2E_DATA/Liste_PC.csv"

requests=$E2E_HOME/requests
port_file=$E2E_HOME/port
# -B: the server imports list_server.py, and writes no bytecode beside it in the source tree.
python3 -B "$here/page_server.py" --requests "$requests" --lifetime 170 >"$port_file" &
server_pid=$!
trap 'kill $server_pid 2>/dev/null || true; e2e_cleanup' EXIT
e2e_until '[ -s "$port_file" ]' 'the page server did not start'
site=http://127.0.0.1:$(head -n 1 "$port_file")
printf '[Setup%%20]\nIndicatif%%20Station=F4ABC\n\n[Adresses]\nListe%%20PC=%s\nCluster=%s\nReglement=%s\n' \
    "$site" "$site" "$site" >"$E2E_SETTINGS"

e2e_start_display
e2e_start_program
main=$(e2e_window '^ORV PC ')
e2e_focus "$main"
e2e_settled_screenshot "$main" main_window

menu_command() {  # place on the bar, item of its menu (none for a command of the bar itself)
    e2e_menu "$main" "$@"
}
# The two window buttons from the keyboard: Tab from the field that has the focus, then Return.
button_command() {  # Tab presses
    e2e_focus "$main"
    for _ in $(seq "$1"); do xdotool key Tab; done
    e2e_key Return
}

# The window a command opens: asked twice, still one; kept as a screenshot; closed with Escape.
# Between the two asks the main window has the keyboard again, as after any Alt+Tab; the second
# ask is answered once the keyboard has left it. AGAIN is the second ask when it differs (a button
# keeps the focus: no more Tab), WAIT_FOR the path of a page the window shows.
open_once() {  # title, screenshot, command and its arguments
    local title=$1 shot=$2 window
    shift 2
    "$@"
    window=$(e2e_window "$title")
    ${AGAIN:-"$@"}
    e2e_focus_left "$main"
    # (Looked at again when xdotool meets a window going away.)
    e2e_until '[ "$(xdotool search --onlyvisible --name "$title" 2>/dev/null | wc -l)" = 1 ]' \
        '$(xdotool search --onlyvisible --name "$title" | wc -l) windows $title after asking twice'
    [ -z "${WAIT_FOR:-}" ] || wait_request "$WAIT_FOR"
    e2e_settled_screenshot "$window" "$shot"
    e2e_focus "$window"
    e2e_key Escape
    e2e_closed "$window"
}

# Message boxes are the only windows titled ORV_PC: each one kept as a screenshot, answered with
# Return, gone before the next.
answer_boxes() {  # how many, screenshot name
    local box n
    for n in $(seq "$1"); do
        box=$(e2e_window '^ORV_PC$')
        e2e_focus "$box"
        import -window "$box" "$E2E_SHOTS/$2_$n.png"
        e2e_key Return
        e2e_closed "$box"
    done
}

wait_request() {  # path
    local path=$1
    e2e_until 'grep -qxF "$path" "$requests" 2>/dev/null' 'no request for $path: $(cat "$requests")'
}

setting() {  # file, key as stored
    grep "^$2=" "$1" | cut -d= -f2-
}

# Fichier > Exporter le log au format ADIF.
menu_command 0 1
answer_boxes 1 adif_exported
[ "$(grep -c '<eor>' "$E2E_DATA/F4ABC_PC.adi")" = 3 ] || fail "ADIF export: $(cat "$E2E_DATA/F4ABC_PC.adi")"

# Date > Manuelle, then Date > Automatique, remembered for the station.
menu_command 1 2
e2e_until '[ "$(setting "$E2E_SETTINGS" Date%20Auto)" = Non ]' 'manual date not kept: $(cat "$E2E_SETTINGS")'
menu_command 1 1
e2e_until '[ "$(setting "$E2E_SETTINGS" Date%20Auto)" = Oui ]' 'automatic date not kept'

open_once '^Selection Indicatif$' station_window menu_command 2
open_once '^Liste des Patrimoines contact' confirmed_list menu_command 3 1
open_once '^Patrimoines .* contacter$' sites_to_work menu_command 3 2
open_once '^Carte des d' departement_map menu_command 4 1

# Outils > Mise a jour des références PC: the site answers a web page, which is no list; the
# list in place stays, and since the station never updated, it is not announced as new. Outils >
# Mise a jour du nom des Patrimoines du log PC.
list_before=$(md5sum <"$E2E_DATA/Liste_PC.csv")
menu_command 5 1
answer_boxes 1 list_update_refused
wait_request /Velmora/Liste_PC.csv
[ "$(md5sum <"$E2E_DATA/Liste_PC.csv")" = "$list_before" ] || fail "Liste_PC.csv replaced by a web page"
menu_command 5 2
answer_boxes 1 site_names_updated
grep -q 'GARDE' "$log" || fail "site names not rewritten: $(cat "$log")"
open_once '^Adresses web$' web_addresses menu_command 5 3

open_once '^Scores PC$' scores menu_command 6
open_once '^Diplomes PC$' awards menu_command 7
open_once "^QSL's non re" missing_qsls menu_command 8
WAIT_FOR=/index.php?mod=reglement open_once 'glement PC$' rules_page menu_command 10
WAIT_FOR=/euhfcw.html open_once '^Cluster$' cluster_page menu_command 9

# In the cluster window, from the keyboard: the next band, then Return on "Afficher".
menu_command 9
cluster=$(e2e_window '^Cluster$')
e2e_focus "$cluster"
e2e_key Down Return
wait_request /ww160cw.html
e2e_until '[ "$(setting "$XDG_CONFIG_HOME/ORV_PC/Tessal.ini" bande%20Cluster)" = 1 ]' \
    'band not kept: $(cat "$XDG_CONFIG_HOME/ORV_PC/Tessal.ini")'
e2e_key Escape
e2e_closed "$cluster"

# Aide > A Propos, Aide > Historique.
menu_command 11 1
answer_boxes 1 about
menu_command 11 2
answer_boxes 1 history

# "Rechercher un QSO" is three Tabs from the callsign field, "Detail Référence" the next one: after
# the web pages, the callsign field still has the keyboard.
AGAIN="button_command 0" open_once '^Rechercher un QSO$' search_window button_command 3
AGAIN="button_command 0" open_once ' Patrimoine$' detail_window button_command 1

# Fichier > Quitter ORV_PC with two windows open: the program ends at once, with them and with
# the browser's helper processes, which carry this test's settings folder.
browser_helpers() {
    local pid
    for pid in $(pgrep -f QtWebEngineProcess || true); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "XDG_CONFIG_HOME=$XDG_CONFIG_HOME" &&
            echo "$pid"
    done
}
menu_command 6
menu_command 9
e2e_window '^Cluster$' >/dev/null
e2e_screenshot program_with_windows
[ -n "$(browser_helpers)" ] || fail "no browser helper process seen while the cluster page shows"
e2e_quit "$main"
e2e_until '[ -z "$(browser_helpers)" ]' 'browser processes left behind: $(browser_helpers)'
echo "PASS: every command of the main window, from the keyboard"

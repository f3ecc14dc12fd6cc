# The hunt in the real program, from the keyboard alone: "Liste > des Patrimoines à contacter"
# set to the Yonne on 14 Mhz and saved; then "Outils > Mise a jour des références PC" from a local
# server, which brings a list of another content: the window of its changes is saved and its
# "Mettre à jour les noms du log" rewrites the renamed site in the log. Every wait is for a window,
# a file or a message box.
source "$(dirname "$0")/lib.sh" "$@"

here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$E2E_DATA" "$(dirname "$E2E_SETTINGS")"
log=$E2E_DATA/F4ABC_PC.log
export LC_ALL=C
{
    e2e_qso F5XYZ 89 89001 12/03/21 "14 Mhz" "ANCIEN NOM" "*"
    e2e_qso F6AAA 89 89002 13/03/21 "7.0 Mhz" "MOULIN" " "
    e2e_qso F4ABC/P 2a 2a001 14/03/21 "14 Mhz" "CITADELLE" " "
} >"$log"
site() {  # reference, name (its octal escapes read as Windows-1252 bytes), commune
    printf 'PC-%s;%b;x;1;y;%s;;z\r\n' "$@"
}
{
    printf 'Rev 011 01/02/24;;\r\n'
    site 89001 'Ancien nom' Treigny
    site 89002 Moulin Sens
    site 89003 Abbaye Pontigny
    site 2a001 Citadelle Ajaccio
    site 75001 Tour Paris
} >"$E2E_DATA/Liste_PC.csv"
served=$E2E_HOME/served.csv
{
    printf 'Rev 012 01/03/24;;\r\n'
    site 89001 'Ch\342teau de Gu\351delon' Treigny
    site 89002 Moulin Sens
    site 89003 Abbaye Pontigny
    site 89004 Pont Joigny
    site 2a001 Citadelle Ajaccio
} >"$served"

python3 -B "$here/list_server.py" --file "$served" --lifetime 170 >"$E2E_HOME/port" &
server_pid=$!
trap 'kill $server_pid 2>/dev/null || true; e2e_cleanup' EXIT

# A condition, tried every tenth of a second for up to 15 s.
wait_until() {
    for _ in $(seq 150); do "$@" && return 0 || sleep 0.1; done
    fail "still not true: $*"
}
wait_until test -s "$E2E_HOME/port"
printf '[Setup%%20]\nIndicatif%%20Station=F4ABC\n\n[Adresses]\nListe%%20PC=http://127.0.0.1:%s\n' \
    "$(head -n 1 "$E2E_HOME/port")" >"$E2E_SETTINGS"

no_message_box() { ! xdotool search --onlyvisible --name '^ORV_PC$' >/dev/null 2>&1; }
# The message box (the only windows titled ORV_PC) answered with Return, and gone.
answer_box() {  # screenshot name
    local box
    box=$(e2e_window '^ORV_PC$')
    e2e_focus "$box"
    import -window "$box" "$E2E_SHOTS/$1.png"
    xdotool key Return
    wait_until no_message_box
}
# Alt reaches the menu bar's first title, Right moves along the titles, Down into the menu.
menu_command() {  # place on the bar, item of its menu
    e2e_focus "$main"
    xdotool key --delay 50 alt $(printf 'Right %.0s' $(seq "$1")) $(printf 'Down %.0s' $(seq "$2")) Return
}

e2e_start_display
e2e_start_program
main=$(e2e_window '^ORV PC ')

# Liste (fourth title), second item. The departement list has the keyboard: "8" chooses the
# Yonne; Tab, then six Down in "Bande" choose 14 Mhz; Tab twice past the list reaches
# "Enregistrer".
menu_command 3 2
hunt=$(e2e_window '^Patrimoines .* contacter$')
e2e_focus "$hunt"
xdotool type 8
xdotool key --delay 50 Tab Down Down Down Down Down Down
import -window "$hunt" "$E2E_SHOTS/sites_to_work.png"
xdotool key --delay 50 Tab Tab Return
answer_box sites_to_work_saved
saved=$E2E_DATA/F4ABC_A_Contacter_89_$(date +%d_%m_%y).txt
expected=$E2E_HOME/expected.txt
{
    printf '   F4ABC Patrimoines \340 contacter (89, 14 Mhz) au %s\r\n\r\n' "$(date +%d/%m/%Y)"
    printf '   N\260 Ref    %-32sCommune\r\n\r\n' 'Nom du Patrimoine'
    printf '%5d %-5s  %-30s  %s \r\n' 1 89002 Moulin Sens 2 89003 Abbaye Pontigny
    printf '\r\n%24sORV_PC, carnet de trafic du Diplome des Patrimoines Fran\347ais\r\n' ''
} >"$expected"
cmp "$saved" "$expected" || fail "$(basename "$saved"): $(diff <(cat -A "$saved") <(cat -A "$expected"))"
e2e_focus "$hunt"
xdotool key Escape

# Outils (sixth title), first item: the revision's message, then the window of the changes, whose
# list has the keyboard: Tab reaches "Enregistrer", two more "Mettre à jour les noms du log".
menu_command 5 1
answer_box list_updated
changes=$(e2e_window '^Changements de la liste des Patrimoines$')
cmp -s "$served" "$E2E_DATA/Liste_PC.csv" || fail "Liste_PC.csv is not the list served"
e2e_focus "$changes"
import -window "$changes" "$E2E_SHOTS/list_changes.png"
xdotool key Tab Return
answer_box list_changes_saved
report=$E2E_DATA/F4ABC_Changements_Liste_PC_$(date +%d_%m_%y).txt
for line in '1 nouveau, 1 renomm\351, 1 retir\351 ; 1 de votre log concern\351' \
    ' *  89001  Ancien nom                      Ch\342teau de Gu\351delon' \
    '    89004  Pont                            Joigny ' '    75001  Tour                            Paris '; do
    grep -qaF "$(printf "$line")"$'\r' "$report" || fail "no line '$line' in $(cat -A "$report")"
done
e2e_focus "$changes"
xdotool key --delay 50 Tab Tab Return
answer_box site_names_updated
[ "$(sed -n 1p "$log" | cut -c76-105)" = "$(printf 'CH\302TEAU DE GU\311DELON%11s' '')" ] ||
    fail "site name not rewritten: $(sed -n 1p "$log")"
echo "PASS: sites to work saved, the list's changes shown and saved, the log's names updated"

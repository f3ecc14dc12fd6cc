# "Outils > Adresses web" in the real program, from the keyboard alone: the list's address typed
# over its first-start default and saved, then "Mise a jour des références PC" fetches the list at
# once from that address (a local server).
source "$(dirname "$0")/lib.sh" "$@"

mkdir -p "$E2E_DATA" "$(dirname "$E2E_SETTINGS")"
e2e_qso F5XYZ 89 89001 12/03/21 "14 Mhz" "" " " >"$E2E_DATA/F4ABC_PC.log"
printf '[Setup%%20]\nIndicatif%%20Station=F4ABC\n' >"$E2E_SETTINGS"
served=$E2E_HOME/served.csv
printf 'Rev 013 01/04/24;;\r\nPC-89001;Gu\351delon;x;001;y;Treigny;Perreuse;z\r\n' >"$served"
python3 -B "$(dirname "$0")/list_server.py" --file "$served" --lifetime 170 >"$E2E_HOME/port" &
server_pid=$!
trap 'kill $server_pid 2>/dev/null || true; e2e_cleanup' EXIT

wait_until() {  # a command, tried for up to 10 s
    for _ in $(seq 100); do "$@" && return 0 || sleep 0.1; done
    fail "still not true: $*"
}
# Outils, the sixth title of the menu bar, then its n-th item.
tools_item() {
    e2e_focus "$main"
    xdotool key --delay 50 alt Right Right Right Right Right $(printf 'Down %.0s' $(seq "$1")) Return
}
wait_until test -s "$E2E_HOME/port"
site=http://127.0.0.1:$(head -n 1 "$E2E_HOME/port")

e2e_start_display
e2e_start_program
main=$(e2e_window '^ORV PC ')
tools_item 3
window=$(e2e_window '^Adresses web$')
e2e_focus "$window"
# "Liste PC" has the keyboard; three Tabs past "Cluster" and "Reglement" reach "Enregistrer".
xdotool key ctrl+a
e2e_type "$site"
import -window "$window" "$E2E_SHOTS/web_addresses.png"
xdotool key --delay 50 Tab Tab Tab Return
wait_until grep -q "^Liste%20PC=$site\$" "$E2E_SETTINGS"

tools_item 1
e2e_focus "$(e2e_window '^ORV_PC$')"
cmp -s "$served" "$E2E_DATA/Liste_PC.csv" || fail "Liste_PC.csv is not the list served"
xdotool key Return
wait_until grep -q 'Revision_Liste_PC=Rev 013 01/04/24' "$E2E_SETTINGS"
echo "PASS: the list's address saved in its window, and the list fetched from it at once"

# "Outils > Adresses web" in the real program, from the keyboard alone: the address of the list's
# site typed over its first-start default and saved, then "Mise a jour des références PC" fetches
# the list at once from that address (a local server).
source "$(dirname "$0")/lib.sh" "$@"

here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$E2E_DATA" "$(dirname "$E2E_SETTINGS")"
e2e_qso F5XYZ 89 89001 12/03/21 "14 Mhz" "" " " >"$E2E_DATA/F4ABC_PC.log"
served=$E2E_HOME/served.csv
printf 'Rev 013 01/04/24;;\r\nPC-89001;Ch\342teau de Gu\351delon;x;001;y;Treigny;Perreuse;z\r\n' >"$served"
port_file=$E2E_HOME/port
python3 -B "$here/list_server.py" --file "$served" --requests "$E2E_HOME/requests" --lifetime 170 \
    >"$port_file" &
server_pid=$!
trap 'kill $server_pid 2>/dev/null || true; e2e_cleanup' EXIT
printf '[Setup%%20]\nIndicatif%%20Station=F4ABC\n' >"$E2E_SETTINGS"

# Waits up to 10 s for a command to succeed.
wait_until() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    fail "still not true: $*"
}
shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
wait_until test -s "$port_file"
site=http://127.0.0.1:$(head -n 1 "$port_file")

e2e_start_display
e2e_start_program
main=$(e2e_window '^ORV PC ')
wait_until grep -q '^Liste%20PC=http://velmora.example' "$E2E_SETTINGS"

# Outils, the sixth title of the menu bar, then its n-th item.
tools_item() {
    e2e_focus "$main"
    local downs=()
    for _ in $(seq "$1"); do downs+=(Down); done
    xdotool key --delay 50 alt Right Right Right Right Right "${downs[@]}" Return
}

tools_item 3
window=$(e2e_window '^Adresses web$')
e2e_focus "$window"
# The field "Liste PC" has the keyboard: its text replaced, then Tab to "Enregistrer" past
# "Cluster" and "Reglement".
xdotool key ctrl+a
e2e_type "$site"
import -window "$window" "$E2E_SHOTS/web_addresses.png"
xdotool key --delay 50 Tab Tab Tab Return
wait_until eval '! shown "^Adresses web$"'
grep -q "^Liste%20PC=$site\$" "$E2E_SETTINGS" || fail "address not saved: $(cat "$E2E_SETTINGS")"
grep -q '^Cluster=http://cluster.velmora.example$' "$E2E_SETTINGS" || fail "cluster address changed"

tools_item 1
box=$(e2e_window '^ORV_PC$')
cmp -s "$served" "$E2E_DATA/Liste_PC.csv" || fail "Liste_PC.csv is not the list served"
grep -q '^GET /Velmora/Liste_PC.csv |' "$E2E_HOME/requests" || fail "requests: $(cat "$E2E_HOME/requests")"
e2e_focus "$box"
xdotool key Return
wait_until eval '! shown "^ORV_PC$"'
wait_until grep -q 'Revision_Liste_PC=Rev 013 01/04/24' "$E2E_SETTINGS"
echo "PASS: the list's address saved in its window, and the list fetched from it at once"

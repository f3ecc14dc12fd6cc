# A cluster page that asks without end (alert, confirm, prompt in a loop that never yields) leaves
# the program usable: with the page open, a QSO is typed and logged, and « Quitter ORV_PC » ends
# the program. Shown, the page's dialogs would hold every window until the program was killed.
source "$(dirname "$0")/lib.sh" "$@"

site=$E2E_HOME/site
mkdir -p "$site" "$E2E_DATA" "$(dirname "$E2E_SETTINGS")"
echo '<html><body>x<script>for (;;) { alert(1); confirm(2); prompt(3); }</script></body></html>' \
    >"$site/euhfcw.html"
python3 -u -m http.server --bind 127.0.0.1 --directory "$site" 0 >"$E2E_HOME/server.log" 2>&1 &
server_pid=$!
trap 'kill $server_pid 2>/dev/null || true; e2e_cleanup' EXIT
port=""
for _ in $(seq 100); do
    port=$(grep -o 'port [0-9]*' "$E2E_HOME/server.log" | cut -d' ' -f2) && [ -n "$port" ] && break
    sleep 0.1
done
printf '[Setup%%20]\nIndicatif%%20Station=F4ABC\n\n[Adresses]\nCluster=http://127.0.0.1:%s\n' \
    "$port" >"$E2E_SETTINGS"
: >"$E2E_DATA/F4ABC_PC.log"

e2e_start_display
e2e_start_program
main=$(e2e_window '^ORV PC ')
e2e_focus "$main"
# « Afficher Cluster » is the tenth title of the menu bar.
xdotool key alt Right Right Right Right Right Right Right Right Right Return
e2e_window '^Cluster$' >/dev/null
for _ in $(seq 100); do
    grep -q 'GET /euhfcw.html' "$E2E_HOME/server.log" && break
    sleep 0.1
done
grep -q 'GET /euhfcw.html' "$E2E_HOME/server.log" || fail "the cluster page was not asked for"

# A QSO from the keyboard while the page loops: callsign, first name, reference, then Return on
# every field up to « Valider le QSO » and on the question's « Oui ».
e2e_focus "$main"
e2e_type f5xyz
e2e_key Return Return
e2e_type 89001
e2e_key Return Return Return Return Return Return Return
box=$(e2e_window '^ORV_PC$')
e2e_focus "$box"
e2e_key Return
for _ in $(seq 100); do
    [ -s "$E2E_DATA/F4ABC_PC.log" ] && break
    sleep 0.1
done
grep -q '^F5XYZ ' "$E2E_DATA/F4ABC_PC.log" || fail "the QSO was not logged"
e2e_screenshot page_dialogs

# Fichier > Quitter ORV_PC.
e2e_focus "$main"
xdotool key alt Down Down Return
e2e_wait_end
echo "page dialogs: PASS"

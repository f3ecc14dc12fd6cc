# Two starts on one data folder (two clicks on the icon): the second copy says that ORV_PC is
# already open and ends without touching any file, the first goes on. A copy that was killed
# leaves its lock behind, and the next start takes it over. The first start of the day also
# leaves its copy of the log in Sauvegardes.
source "$(dirname "$0")/lib.sh" "$@"

mkdir -p "$E2E_DATA" "$(dirname "$E2E_SETTINGS")"
printf '[Setup%%20]\nIndicatif%%20Station=F4ABC\n' >"$E2E_SETTINGS"
qso='F5AAA        89                   89001 01/02/21 10:00 SSB 14 Mhz  59  59                                  '
printf '%s\r\n%s\r\n' "$qso" "${qso/F5AAA/F5BBB}" >"$E2E_DATA/F4ABC_PC.log"
printf 'F5AAA        89 PAUL\r\n' >"$E2E_DATA/Liste_Prenom.txt"
backup=$E2E_DATA/Sauvegardes/F4ABC_PC_$(date +%F).log

# Every name under the data and settings folders with its kind, size, mode, time and content.
snapshot() {
    (cd "$E2E_HOME" && find data config -printf '%p %y %s %m %T@\n' | sort &&
        find data config -type f -exec md5sum {} + | sort)
}

second_pid=""
trap '[ -n "$second_pid" ] && kill "$second_pid" 2>/dev/null; e2e_cleanup' EXIT

e2e_start_display
e2e_start_program
first_pid=$E2E_PROGRAM_PID
e2e_window "ORV PC" >/dev/null
e2e_until 'cmp -s "$backup" "$E2E_DATA/F4ABC_PC.log"' 'no copy of the log in Sauvegardes'
e2e_start_written
before=$(snapshot)

"$E2E_PROGRAM" >"$E2E_HOME/second.log" 2>&1 &
second_pid=$!
box=$(e2e_window "^ORV_PC$")
e2e_focus "$box"
e2e_screenshot second_copy_refused
e2e_key Return
status=0
wait "$second_pid" || status=$?
second_pid=""
[ "$status" = 1 ] || fail "the second copy ended with status $status"
grep -q "^ORV_PC est déjà ouvert" "$E2E_HOME/second.log" ||
    fail "the second copy said: $(cat "$E2E_HOME/second.log")"
[ "$(snapshot)" = "$before" ] || fail "the second copy changed files: $(diff <(echo "$before") <(snapshot))"
kill -0 "$first_pid" 2>/dev/null || fail "the first copy ended"

kill -KILL "$first_pid"
wait "$first_pid" 2>/dev/null || true
[ -f "$E2E_DATA/ORV_PC.lock" ] || fail "the killed copy left no lock behind"
e2e_start_program
e2e_window "ORV PC" >/dev/null
[ "$(head -n 1 "$E2E_DATA/ORV_PC.lock")" = "$E2E_PROGRAM_PID" ] ||
    fail "the lock of the killed copy was not taken over"
xdotool search --onlyvisible --name "^ORV_PC$" >/dev/null 2>&1 &&
    fail "the start after a killed copy was refused"
echo "two copies: PASS"

# A daily backup that cannot be written (a file stands where the Sauvegardes folder goes) is told
# once, and the program goes on with the log as it was.
source "$(dirname "$0")/lib.sh" "$@"

mkdir -p "$E2E_DATA" "$(dirname "$E2E_SETTINGS")"
printf '[Setup%%20]\nIndicatif%%20Station=F4ABC\n' >"$E2E_SETTINGS"
qso='F5AAA        89                   89001 01/02/21 10:00 SSB 14 Mhz  59  59                                  '
printf '%s\r\n' "$qso" >"$E2E_DATA/F4ABC_PC.log"
cp "$E2E_DATA/F4ABC_PC.log" "$E2E_HOME/log.before"
echo "not a folder" >"$E2E_DATA/Sauvegardes"

e2e_start_display
e2e_start_program
main=$(e2e_window "ORV PC")
box=$(e2e_window "^ORV_PC$")
e2e_focus "$box"
e2e_screenshot backup_not_written
e2e_key Return
e2e_closed "$box"
kill -0 "$E2E_PROGRAM_PID" 2>/dev/null || fail "the program ended"
xdotool search --onlyvisible --name "ORV PC" | grep -qx "$main" || fail "the main window is gone"
cmp -s "$E2E_DATA/F4ABC_PC.log" "$E2E_HOME/log.before" || fail "the log changed"
[ "$(cat "$E2E_DATA/Sauvegardes")" = "not a folder" ] || fail "the file in the way changed"
# The menus answer: no second message stands in front of the main window.
e2e_quit "$main"
echo "backup failure: PASS"

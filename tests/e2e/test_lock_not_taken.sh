# A data folder where the one-running-copy lock cannot be taken (a memory disk without room for
# one more file; root only): the program does not start, and its message says why.
source "$(dirname "$0")/lib.sh" "$@"

mkdir -p "$E2E_DATA" "$(dirname "$E2E_SETTINGS")"
mount -t tmpfs -o nr_inodes=1 tmpfs "$E2E_DATA" 2>/dev/null || { echo "SKIP: no memory disk"; exit 0; }
trap 'umount -l "$E2E_DATA" || true; e2e_cleanup' EXIT
printf '[Setup%%20]\nIndicatif%%20Station=F4ABC\n' >"$E2E_SETTINGS"

e2e_start_display
e2e_start_program
box=$(e2e_window '^ORV_PC$')
e2e_focus "$box"
e2e_screenshot lock_not_taken
e2e_key Return
wait "$E2E_PROGRAM_PID" && fail "the program ended without an error"
E2E_PROGRAM_PID=""
grep -q "^ORV_PC ne peut pas démarrer : son verrou ORV_PC.lock n'a pas pu être posé" \
    "$E2E_HOME/program.log" || fail "the program said: $(cat "$E2E_HOME/program.log")"
grep -q "(disque plein)" "$E2E_HOME/program.log" || fail "no reason: $(cat "$E2E_HOME/program.log")"
echo "lock not taken: PASS"

# The one-running-copy lock on a data folder that is a small memory disk (root only): full, the
# lock still keeps a second copy out; without room for the lock file, no copy runs, and the
# message says why.
source "$(dirname "$0")/lib.sh" "$@"

mkdir -p "$E2E_DATA" "$(dirname "$E2E_SETTINGS")"
mount -t tmpfs -o size=256k tmpfs "$E2E_DATA" 2>/dev/null || { echo "SKIP: no memory disk"; exit 0; }
trap 'umount -l "$E2E_DATA" || true; e2e_cleanup' EXIT
printf '[Setup%%20]\nIndicatif%%20Station=F4ABC\n' >"$E2E_SETTINGS"
e2e_qso F5XYZ 89 89001 12/03/21 "14 Mhz" "" " " >"$E2E_DATA/F4ABC_PC.log"
# The day's backup is there already: the first copy has nothing to say about it.
mkdir "$E2E_DATA/Sauvegardes"
cp "$E2E_DATA/F4ABC_PC.log" "$E2E_DATA/Sauvegardes/F4ABC_PC_$(date +%F).log"
dd if=/dev/zero of="$E2E_DATA/plein" bs=4k 2>/dev/null || true

# The second copy's message box is the only window titled ORV_PC; it ends once answered.
refused_with() {  # the message's first words, the screenshot's name
    "$E2E_PROGRAM" >"$E2E_HOME/refused.log" 2>&1 &
    local pid=$! box
    box=$(e2e_window '^ORV_PC$')
    e2e_focus "$box"
    e2e_screenshot "$2"
    e2e_key Return
    wait "$pid" && fail "the refused copy ended without an error"
    grep -q "^$1" "$E2E_HOME/refused.log" ||
        fail "the refused copy said: $(cat "$E2E_HOME/refused.log")"
}

e2e_start_display
e2e_start_program
e2e_window '^ORV PC ' >/dev/null
[ -e "$E2E_DATA/ORV_PC.lock" ] && [ ! -s "$E2E_DATA/ORV_PC.lock" ] ||
    fail "the lock file is not the empty one of a full disk"
refused_with "ORV_PC est déjà ouvert" lock_full_disk

kill "$E2E_PROGRAM_PID"
wait "$E2E_PROGRAM_PID" 2>/dev/null || true
E2E_PROGRAM_PID=""
umount "$E2E_DATA"
mount -t tmpfs -o nr_inodes=1 tmpfs "$E2E_DATA"
refused_with "ORV_PC ne peut pas démarrer : son verrou ORV_PC.lock n'a pas pu être posé" lock_no_room
grep -q "(disque plein)" "$E2E_HOME/refused.log" || fail "no reason given: $(cat "$E2E_HOME/refused.log")"
echo "lock on a small disk: PASS"

#!/usr/bin/env bash
# Lists what the last ctest run in a build folder skipped, and exits 1 if it skipped
# anything: ctest passes a run whose tests need.sh skipped, and a QtTest suite passes with
# skipped cases. Each line names the test and what it lacked, as the test said it.
# Usage: skipped.sh BUILD_DIR
set -euo pipefail

log=$1/Testing/Temporary/LastTest.log
[ -f "$log" ] || { echo "skipped.sh: no ctest log in $1" >&2; exit 2; }
# need.sh says "SKIPPED: …" for a whole test; QtTest says "SKIP   : Class::case(row) …".
! awk '/^[0-9]+\/[0-9]+ Testing: / { test = $3 }
       /^(SKIPPED: |SKIP +: )/ { print "  " test ": " $0; found = 1 }
       END { exit !found }' "$log"

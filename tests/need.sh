#!/usr/bin/env bash
# Runs a test's command where everything it needs is installed. Elsewhere it names what is
# missing and exits with 77, which ctest reports as a skipped test, so that a build with
# only the build dependencies still runs every test it can.
# Usage: need.sh NEED... -- COMMAND [ARGUMENT...]
# A NEED with a slash in it is a file that must exist; any other, a program on PATH.
set -euo pipefail

missing=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    case $1 in
    */*) [ -e "$1" ] ;;
    *) command -v "$1" >/dev/null ;;
    esac || missing+=("$1")
    shift
done
[ $# -gt 1 ] || { echo "usage: need.sh NEED... -- COMMAND [ARGUMENT...]" >&2; exit 2; }
shift
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIPPED: not installed, and needed by this test: ${missing[*]}"
    exit 77
fi
exec "$@"

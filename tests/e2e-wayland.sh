#!/usr/bin/env bash
# Starts the program under a headless Wayland compositor (weston) and checks that its window
# announces the desktop entry's id as its app id, by which compositors find the entry and
# its icon. Headless weston has no input seat, on which Qt 6.4's Wayland plugin fails once a
# text field takes the keyboard; the title dialog comes up before that, so the test reads
# the app id there and ends the program.
# Usage: e2e-wayland.sh PROGRAM APP_ID SCRATCH_DIR
set -euo pipefail
program=$1 id=$2 scratch=$3

# No step waits longer than this.
readonly bound=10
readonly socket=vorrintal-test

fail() {
    echo "FAIL: $*" >&2
    echo "--- weston:" >&2
    tail -n 20 "$scratch/weston.log" >&2 || true
    echo "--- the program:" >&2
    grep -v '^\[' "$scratch/program.log" | tail -n 20 >&2 || true
    exit 1
}
stop() {
    [ -n "${1:-}" ] && kill -0 "$1" 2>/dev/null || return 0
    kill "$1"
    timeout "$bound" tail --pid="$1" -f /dev/null || kill -KILL "$1"
}
weston_pid= pid=
trap 'stop "$pid"; stop "$weston_pid"' EXIT

rm -rf "$scratch"
mkdir -p "$scratch"
# A runtime directory of its own, so that no desktop session's compositor is reached.
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR=$scratch/runtime
unset DISPLAY WAYLAND_SOCKET

weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$scratch/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq $((bound * 20))); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || fail "weston ended before it opened its socket"
    sleep 0.05
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston opened no socket within $bound s"

# WAYLAND_DEBUG logs every request the program sends to the compositor.
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" >"$scratch/program.log" 2>&1 &
pid=$!
# The string arguments of one kind of request to a window, one a line. libwayland names an
# object "xdg_toplevel@16" on Debian 12 and "xdg_toplevel#16" on Debian 13.
requests() {
    { grep -oE "xdg_toplevel[@#][0-9]+\.$1\(\"[^\"]*\"\)" "$scratch/program.log" || true; } |
        sed 's/.*("\(.*\)")/\1/'
}
for _ in $(seq $((bound * 20))); do
    [ -n "$(requests set_app_id)" ] && [ -n "$(requests set_title)" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before it showed a window"
    sleep 0.05
done
titles=$(requests set_title) app_ids=$(requests set_app_id)
[ "$titles" = Dialog ] || fail "the first window's titles are '${titles//$'\n'/, }', not just 'Dialog'"
[ -n "$app_ids" ] || fail "the title dialog announced no app id within $bound s"
[ "$(sort -u <<<"$app_ids")" = "$id" ] ||
    fail "the program announced the app id(s) '${app_ids//$'\n'/, }', not '$id'"
echo "the title dialog announced the app id $id on Wayland"

#!/usr/bin/env bash
# The window's whole frame on the screen under openbox, which tells of the frame only once
# the window is mapped, with the desktop's font at each size given, through Qt's GTK theme.
# Run it under `xvfb-run -a` with a small screen.
# Usage: frame-openbox.sh WORK_DIR PROGRAM POINT_SIZE...
set -euo pipefail
work=$1 program=$2
shift 2

openbox --sm-disable 2>/dev/null &
wm=$!
trap 'kill $wm 2>/dev/null || true' EXIT
for size in "$@"; do
    mkdir -p "$work/$size/gtk-3.0"
    printf '[Settings]\ngtk-font-name = DejaVu Sans %s\n' "$size" >"$work/$size/gtk-3.0/settings.ini"
    echo "at $size pt:"
    XDG_CONFIG_HOME=$work/$size QT_QPA_PLATFORMTHEME=gtk3 NO_AT_BRIDGE=1 LANG=C.UTF-8 \
        "$(dirname "$0")/frame-on-screen.sh" 0 "$program"
done

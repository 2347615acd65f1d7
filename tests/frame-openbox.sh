#!/usr/bin/env bash
# The window's whole frame on a small screen under a real window manager, which tells of
# the frame only once the window is mapped: openbox on a 1024×768 virtual X server, with
# the desktop's font at each size given, through Qt's GTK theme. Run it under `xvfb-run -a`.
# Usage: frame-openbox.sh WORK_DIR PROGRAM POINT_SIZE...
set -euo pipefail
work=$1 program=$2
shift 2
readonly bound=5 screen_width=1024 screen_height=768

openbox --sm-disable 2>/dev/null &
wm=$!
pid=
trap 'kill $pid $wm 2>/dev/null || true' EXIT

for size in "$@"; do
    mkdir -p "$work/$size/gtk-3.0"
    printf '[Settings]\ngtk-font-name = DejaVu Sans %s\n' "$size" >"$work/$size/gtk-3.0/settings.ini"
    XDG_CONFIG_HOME=$work/$size QT_QPA_PLATFORMTHEME=gtk3 NO_AT_BRIDGE=1 QT_QPA_PLATFORM=xcb \
        LANG=C.UTF-8 "$program" &
    pid=$!
    # The title dialog first; Enter keeps the title.
    dialog=$(timeout "$bound" xdotool search --sync --onlyvisible --pid "$pid" --name '^Dialog$' | head -1)
    timeout "$bound" xdotool windowactivate --sync "$dialog" key Return
    window=$(timeout "$bound" xdotool search --sync --onlyvisible --pid "$pid" --name '^Vorrintal$' | head -1)
    # The frame's edges round the window, which openbox sets as it frames it.
    frame=
    for _ in $(seq $((bound * 10))); do
        sleep 0.1
        read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS |
            sed -n 's/.*= \([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\)$/\1 \2 \3 \4/p') || continue
        read -r X Y WIDTH HEIGHT < <(xwininfo -id "$window" | awk '
            /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
            /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }')
        frame="$((X - left)),$((Y - top)) $((WIDTH + left + right))x$((HEIGHT + top + bottom))"
        [ $((X - left)) -ge 0 ] && [ $((Y - top)) -ge 0 ] &&
            [ $((X + WIDTH + right)) -le $screen_width ] &&
            [ $((Y + HEIGHT + bottom)) -le $screen_height ] && { frame=; break; }
    done
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    if [ -n "$frame" ]; then
        echo "FAIL at $size pt: the frame is at $frame, beyond the ${screen_width}x$screen_height screen" >&2
        exit 1
    fi
    echo "$size pt: the whole frame is on the screen"
done

#!/usr/bin/env bash
# Starts the program on an X server, keeps the title the title dialog offers, and checks
# that the main window's whole frame lies on the screen: the frame a window manager reports
# (_NET_FRAME_EXTENTS) once it has framed the window, or else the X window itself, as under
# Wine drawing Windows' own frame. Windows keeps a window's resize border invisible, and Qt
# places the window by what is visible; Wine draws it: BORDER is how far it may pass the
# screen's left, right and bottom edges.
# Usage: frame-on-screen.sh BORDER PROGRAM [ARGUMENT...]
set -euo pipefail
border=$1
shift
"$@" &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT

# The position and size of a window (or of the screen, for -root).
geometry() {
    xwininfo "$@" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}
# The id of a mapped window with the title given, within 10 s. A search that meets a window
# as it goes fails, and is tried again.
await() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 | grep . && return
        sleep 0.1
    done
    echo "FAIL: no window \"$1\" appeared" >&2
    return 1
}
read -r _ _ screen_width screen_height < <(geometry -root)
timeout 10 xdotool windowfocus --sync "$(await Dialog)" key Return
window=$(await Vorrintal)
for _ in $(seq 100); do
    sleep 0.1
    read -r x y width height < <(geometry -id "$window")
    read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS |
        sed -n 's/.*= \([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\)$/\1 \2 \3 \4/p') ||
        left=0 right=0 top=0 bottom=0
    frame="$((width + left + right))x$((height + top + bottom)) at $((x - left)),$((y - top))"
    [ $((x - left)) -ge $((-border)) ] && [ $((y - top)) -ge 0 ] &&
        [ $((x + width + right)) -le $((screen_width + border)) ] &&
        [ $((y + height + bottom)) -le $((screen_height + border)) ] &&
        { echo "the whole frame, $frame, is on the ${screen_width}x$screen_height screen"; exit 0; }
done
echo "FAIL: the frame is $frame, beyond the ${screen_width}x$screen_height screen" >&2
exit 1

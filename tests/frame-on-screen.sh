#!/usr/bin/env bash
# Starts the program, keeps the title the title dialog offers, and checks that the main
# window's whole frame lies on the screen once the window is framed. Run it on an X server.
# The frame is the one a window manager reports (_NET_FRAME_EXTENTS); without one, as
# under Wine drawing Windows' own frame, the X window itself. BORDER is how far the frame
# may pass the screen's left, right and bottom edges: Windows 10 and later keep a window's
# resize border invisible, and so does Qt in placing it, but Wine draws it.
# Usage: frame-on-screen.sh BORDER PROGRAM [ARGUMENT...]
set -euo pipefail
border=$1
shift
readonly bound=10

read -r screen_width screen_height < <(xwininfo -root | awk '
    /Width:/ { w = $NF } /Height:/ { h = $NF } END { print w, h }')
"$@" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

# The id of a mapped window with the title given, once there is one. A search that meets a
# window as it goes fails, and is tried again.
await() {
    local id
    for _ in $(seq $((bound * 10))); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) || true
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "FAIL: no window \"$1\" appeared" >&2
    return 1
}
# The title dialog first; Enter keeps the title.
dialog=$(await Dialog)
timeout "$bound" xdotool windowfocus --sync "$dialog" key Return
window=$(await Vorrintal)
frame=
for _ in $(seq $((bound * 10))); do
    sleep 0.1
    read -r x y width height < <(xwininfo -id "$window" | awk '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }')
    read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS |
        sed -n 's/.*= \([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\)$/\1 \2 \3 \4/p') ||
        left=0 right=0 top=0 bottom=0
    x=$((x - left)) y=$((y - top)) width=$((width + left + right)) height=$((height + top + bottom))
    frame="${width}x$height at $x,$y"
    [ $x -ge $((-border)) ] && [ $y -ge 0 ] && [ $((x + width)) -le $((screen_width + border)) ] &&
        [ $((y + height)) -le $((screen_height + border)) ] && { frame=; break; }
done
if [ -n "$frame" ]; then
    echo "FAIL: the frame is $frame, beyond the ${screen_width}x$screen_height screen" >&2
    exit 1
fi
echo "the whole frame is on the ${screen_width}x$screen_height screen"

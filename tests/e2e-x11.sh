#!/usr/bin/env bash
# Uses the program as a person does, on a real X server: it finds each window as it
# appears, clicks, types and presses Enter, and saves a screenshot of the screen after every
# step. Run it under `xvfb-run -a`. The program is the command given last: the Linux build
# on Qt's xcb plugin, or under Wine the Windows build, whose X windows Wine makes. The
# window class is checked against the desktop entry, unless the entry is given as "-".
# Usage: e2e-x11.sh DESKTOP_ENTRY SHOTS_DIR PROGRAM [ARGUMENT...]
set -euo pipefail
entry=$1 shots=$2
shift 2

# No step waits longer than this for a window to appear or go; no command hangs longer.
readonly bound=5

# Where things are, from the forms, relative to the window that holds them. Buttons in a
# row are laid out around the row's centre, so they are found as offsets from it.
readonly menubar_height=22 game_menu_x=20 game_menu_entries=5
readonly buttons_x=$((7 + 381 / 2)) buttons_y=$((menubar_height + 10 + 41 / 2))
readonly add_player_x=$((buttons_x - 87)) end_game_x=$((buttons_x + 87))
readonly first_row_points_x=$((10 + 371 - 42)) first_row_y=$((menubar_height + 80 + 41 / 2))
# Right of a short name: a row's total and its button.
readonly row_x=$((10 + 150)) row_width=$((371 - 150))

step="start the program"
shot_count=0
pid=

fail() {
    echo "FAIL at step '$step': $*" >&2
    exit 1
}
begin() {
    step=$1
    echo "step: $step"
}
shot() {
    shot_count=$((shot_count + 1))
    timeout "$bound" import -window root "$shots/$(printf %02d "$shot_count")-$1.png" ||
        echo "(no screenshot after '$step')" >&2
}
xdo() { timeout "$bound" xdotool "$@"; }
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        timeout "$bound" tail --pid="$pid" -f /dev/null || kill -KILL "$pid"
    fi
}
trap cleanup EXIT

# The program's mapped windows whose title matches the pattern, one id a line.
windows() { xdo search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null || true; }
# Waits for a window with exactly this title and prints its id. xdotool's search ignores
# letter case, so each window found has its title compared once more.
await_window() {
    local id
    for _ in $(seq $((bound * 20))); do
        for id in $(windows "^$1\$"); do
            [ "$(xdo getwindowname "$id")" = "$1" ] && { echo "$id"; return; }
        done
        kill -0 "$pid" 2>/dev/null || fail "the program ended while waiting for '$1'"
        sleep 0.05
    done
    fail "no window titled '$1' within $bound s"
}
await_gone() {
    for _ in $(seq $((bound * 20))); do
        windows '' | grep -qx "$1" || return 0
        sleep 0.05
    done
    fail "window $1 still shown after $bound s"
}
# Gives a window the keyboard, as a window manager does for a new window, then types.
type_into() {
    xdo windowfocus --sync "$1"
    [ -z "$2" ] || xdo type --delay 20 "$2"
    xdo key Return
    await_gone "$1"
}
click_at() {
    local X Y WIDTH HEIGHT WINDOW SCREEN POINTER_X POINTER_Y POINTER_SCREEN POINTER_WINDOW
    eval "$(xdo getwindowgeometry --shell "$1")"
    eval "$(xdo getmouselocation --shell --prefix POINTER_)"
    # A synced move waits for the pointer to move, which it does not where it already is.
    if [ "$POINTER_X,$POINTER_Y" = "$((X + $2)),$((Y + $3))" ]; then
        xdo click 1
    else
        xdo mousemove --sync $((X + $2)) $((Y + $3)) click 1
    fi
}
height_of() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdo getwindowgeometry --shell "$1")"
    echo "$HEIGHT"
}
# The first row right of its name, where its total and its button are: saved as NAME once
# the window has drawn it, that is, once two grabs a moment apart show the same.
save_row() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdo getwindowgeometry --shell "$1")"
    local area="$row_width"x30+$((X + row_x))+$((Y + first_row_y - 15))
    for _ in $(seq $((bound * 10))); do
        timeout "$bound" import -window root -crop "$area" +repage "$shots/row-$2.png"
        sleep 0.1
        timeout "$bound" import -window root -crop "$area" +repage "$shots/row-$2-again.png"
        [ "$(differing_pixels "$2" "$2-again")" != 0 ] || break
    done
    rm -f "$shots/row-$2-again.png"
}
# How many pixels differ between two saved rows.
differing_pixels() {
    timeout "$bound" compare -metric AE "$shots/row-$1.png" "$shots/row-$2.png" null: 2>&1 || true
}
# Opens the "Game" menu and clicks its n-th entry (from 1) among rows of equal height.
choose_from_game_menu() {
    local main=$1 n=$2 popup X Y WIDTH HEIGHT WINDOW SCREEN
    click_at "$main" "$game_menu_x" $((menubar_height / 2))
    for _ in $(seq $((bound * 20))); do
        popup=$(windows '' | grep -vx "$main" | head -n 1)
        [ -n "$popup" ] && break
        sleep 0.05
    done
    [ -n "$popup" ] || fail "the \"Game\" menu did not open within $bound s"
    shot game-menu
    eval "$(xdo getwindowgeometry --shell "$popup")"
    xdo mousemove --sync $((X + WIDTH / 2)) $((Y + HEIGHT * (2 * n - 1) / (2 * game_menu_entries))) click 1
}

xdo getdisplaygeometry >/dev/null || fail "no X server answers at DISPLAY=$DISPLAY"
mkdir -p "$shots"
rm -f "$shots"/*.png
"$@" &
pid=$!

begin "the title dialog comes before the main window"
dialog=
for _ in $(seq $((bound * 20))); do
    [ -z "$(windows '^Vorrintal$')" ] || fail "a window titled 'Vorrintal' was shown before the title dialog"
    dialog=$(windows '^Dialog$' | head -n 1)
    [ -n "$dialog" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before showing a window"
    sleep 0.05
done
[ -n "$dialog" ] || fail "no window titled 'Dialog' within $bound s"
shot title-dialog
type_into "$dialog" "Quiz Night"

begin "the main window appears"
main=$(await_window Vorrintal)
if [ "$entry" != - ]; then
    begin "its window class is the one the desktop entry names"
    wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
    # WM_CLASS holds the instance and the class name; a desktop matches either, exactly.
    classes=$(timeout "$bound" xprop -id "$main" WM_CLASS)
    grep -Fq "\"$wm_class\"" <<<"$classes" ||
        fail "the main window's $classes does not name '$wm_class' of the desktop entry"
fi
shot main-window

begin "add a player with the \"Add Player\" button"
click_at "$main" "$add_player_x" "$buttons_y"
dialog=$(await_window Dialog)
type_into "$dialog" "Ada"
shot first-player

begin "add a player through the \"Game\" menu"
choose_from_game_menu "$main" 1
dialog=$(await_window Dialog)
type_into "$dialog" "Grace"
shot second-player

begin "the same name again is refused"
choose_from_game_menu "$main" 1
dialog=$(await_window Dialog)
type_into "$dialog" "Ada"
refusal=$(await_window 'Player Already Exists')
shot name-refused
type_into "$refusal" ""

begin "Escape closes the \"Add Points\" dialog"
click_at "$main" "$first_row_points_x" "$first_row_y"
dialog=$(await_window Dialog)
xdo windowfocus --sync "$dialog"
xdo key Escape
await_gone "$dialog"
save_row "$main" before

begin "a mistyped amount is refused: the dialog stays, and grows to give the reason"
click_at "$main" "$first_row_points_x" "$first_row_y"
dialog=$(await_window Dialog)
drawn_height=$(height_of "$dialog")
xdo windowfocus --sync "$dialog"
xdo type --delay 20 1O
xdo key Return
for _ in $(seq $((bound * 20))); do
    [ "$(height_of "$dialog")" -gt "$drawn_height" ] && break
    windows '' | grep -qx "$dialog" || fail "the dialog closed on the amount \"1O\""
    sleep 0.05
done
[ "$(height_of "$dialog")" -gt "$drawn_height" ] || fail "the dialog shows no reason for \"1O\""
shot points-refused

begin "the corrected amount, typed over the selected text, is added to the row"
type_into "$dialog" 10
save_row "$main" added
shot points-added
[ "$(differing_pixels before added)" -gt 0 ] || fail "the first row's total did not change"

begin "\"End Game\" names a winner"
click_at "$main" "$end_game_x" "$buttons_y"
winner=$(await_window 'Winner!')
shot winner
type_into "$winner" ""

begin "\"Quit\" in the \"Game\" menu ends the program with status 0"
choose_from_game_menu "$main" "$game_menu_entries"
timeout "$bound" tail --pid="$pid" -f /dev/null || fail "the program still runs $bound s after \"Quit\""
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "the program was used from start to quit"

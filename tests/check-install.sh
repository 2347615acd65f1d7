#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop reads from it: the
# desktop entry, the icon and the AppStream metadata, each valid and naming the others.
# Usage: check-install.sh BUILD_DIR SCRATCH_DIR APP_ID
set -euo pipefail
build=$1 scratch=$2 id=$3

fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$scratch"
cmake --install "$build" --prefix "$scratch/usr" >/dev/null
cd "$scratch/usr"

entry=share/applications/$id.desktop
icon=share/icons/hicolor/scalable/apps/$id.svg
metainfo=share/metainfo/$id.metainfo.xml
expected=$(printf '%s\n' bin/vorrintal "$entry" "$icon" "$metainfo" | sort)
installed=$(find . -type f -printf '%P\n' | sort)
[ "$installed" = "$expected" ] ||
    fail "installed files differ from the expected ones:$(diff <(echo "$expected") <(echo "$installed"))"

# desktop-file-validate prints nothing for an entry without errors, warnings or hints.
report=$(desktop-file-validate "$entry" 2>&1) || true
[ -z "$report" ] || fail "desktop-file-validate: $report"

report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $report"
if grep -E '^(E|W):' <<<"$report"; then fail "appstreamcli reports errors or warnings"; fi

key() { sed -n "s/^$1=//p" "$entry"; }
[ "$(key Icon)" = "$id" ] || fail "the entry's Icon is '$(key Icon)', not '$id'"
[ -x "bin/$(key Exec)" ] || fail "the entry runs '$(key Exec)', which is not installed in bin/"
# Qt names a window's class after the executable; the desktop matches the two.
[ "$(key StartupWMClass)" = "$(key Exec)" ] ||
    fail "StartupWMClass '$(key StartupWMClass)' is not the program's window class '$(key Exec)'"

xpath() { xmllint --xpath "string($1)" "$metainfo"; }
[ "$(xpath /component/id)" = "$id" ] || fail "the metadata's id is '$(xpath /component/id)'"
[ "$(xpath '/component/launchable[@type="desktop-id"]')" = "$id.desktop" ] ||
    fail "the metadata launches '$(xpath /component/launchable)', not '$id.desktop'"
[ "$(xpath /component/provides/binary)" = "$(key Exec)" ] || fail "the metadata names another binary"

xmllint --noout "$icon" || fail "the icon is not well-formed XML"
[ "$(xmllint --xpath 'local-name(/*)' "$icon")" = svg ] || fail "the icon is not an SVG image"
echo "installed files are in place and valid"

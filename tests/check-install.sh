#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop reads from it: the
# desktop entry, the icon and the AppStream metadata, each valid and naming the others; and
# the manual page, copyright and changelog beside them; and a catalogue for each language.
# Usage: check-install.sh BUILD_DIR SCRATCH_DIR APP_ID
set -euo pipefail
build=$1 scratch=$2 id=$3

fail() { echo "FAIL: $*" >&2; exit 1; }
catalogues=$(cd "$(dirname "$0")/../translations" && ls vorrintal_*.ts |
    sed 's|\(.*\)\.ts$|share/vorrintal/translations/\1.qm|')

rm -rf "$scratch"
cmake --install "$build" --prefix "$scratch/usr" >/dev/null
cd "$scratch/usr"

entry=share/applications/$id.desktop
icon=share/icons/hicolor/scalable/apps/$id.svg
metainfo=share/metainfo/$id.metainfo.xml
manpage=share/man/man1/vorrintal.1.gz
copyright=share/doc/vorrintal/copyright
expected=$(printf '%s\n' bin/vorrintal "$entry" "$icon" "$metainfo" "$manpage" "$copyright" \
    share/doc/vorrintal/changelog.gz $catalogues | sort)
installed=$(find . -type f -printf '%P\n' | sort)
[ "$installed" = "$expected" ] ||
    fail "installed files differ from the expected ones:$(diff <(echo "$expected") <(echo "$installed"))"

# desktop-file-validate prints nothing for an entry without errors, warnings or hints.
report=$(desktop-file-validate "$entry" 2>&1) || true
[ -z "$report" ] || fail "desktop-file-validate: $report"

report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || fail "appstreamcli: $report"
# AppStream 1.0 (Debian 13) asks for the <developer> tag, which 0.16 (Debian 12) only notes
# it does not know; anything else it says counts.
if grep -E '^[EWIP]:' <<<"$report" | grep -Ev '^I: [^ ]+:[0-9]+: unknown-tag developer$'; then
    fail "appstreamcli reports errors, warnings or hints"
fi

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
[ "$(xpath /component/project_license)" = GPL-3.0-or-later ] ||
    fail "the metadata's project_license is '$(xpath /component/project_license)'"
grep -qx 'License: GPL-3+' "$copyright" || fail "the copyright file does not declare GPL-3+"
head -n 1 "$copyright" | grep -q '^Format: .*copyright-format/1.0/' ||
    fail "the copyright file is not in Debian's machine-readable format"

# man prints its own and groff's warnings on standard error, and the page on standard output.
report=$(MANWIDTH=80 man --warnings -l "$manpage" 2>&1 >/dev/null) || fail "man could not format the page"
[ -z "$report" ] || fail "man --warnings: $report"

xmllint --noout "$icon" || fail "the icon is not well-formed XML"
[ "$(xmllint --xpath 'local-name(/*)' "$icon")" = svg ] || fail "the icon is not an SVG image"
echo "installed files are in place and valid"

#!/usr/bin/env bash
# Prints the folder that holds the Debian source package given as PACKAGE VERSION: its .dsc
# and the files the .dsc names, exactly as Debian's archive has them. The first call fetches
# them through apt into a cache outside the work tree, $VORRINTAL_CACHE or
# ~/.cache/vorrintal (XDG_CACHE_HOME), under sources/; later calls, and other clones, reuse
# them, since Debian's archive keeps only a release's current versions. Every call checks the
# files against the checksums in the .dsc. Progress goes to stderr.
set -euo pipefail
export LC_ALL=C.UTF-8
[ $# -eq 2 ] || { echo "usage: $0 PACKAGE VERSION" >&2; exit 2; }
package=$1 version=$2

say() { echo "debian-source: $*" >&2; }
fail() {
    say "$*"
    exit 1
}

cache=${VORRINTAL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vorrintal}
folder=$cache/sources/${package}_$version
dsc=$folder/${package}_${version#*:}.dsc

# Every file the .dsc names, with the size and SHA-256 it gives.
check() {
    [ -f "$dsc" ] || return 1
    local sum size file
    while read -r sum size file; do
        [ -f "$folder/$file" ] && [ "$(stat -c %s "$folder/$file")" = "$size" ] &&
            [ "$(sha256sum <"$folder/$file" | cut -c1-64)" = "$sum" ] || return 1
    done < <(sed -n '/^Checksums-Sha256:/,/^[^ ]/{s/^ //p}' "$dsc")
}
if check; then
    echo "$folder"
    exit 0
fi

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ -n "$codename" ] || fail "/etc/os-release names no Debian release (VERSION_CODENAME)"
# The deb entries of this release (suites bookworm, bookworm-updates, bookworm-security, ...),
# turned into deb-src entries: deb822 stanzas first, then one-line entries.
source_entries() {
    local files=(/etc/apt/sources.list.d/*.sources)
    [ ! -e "${files[0]}" ] || awk -v suite="^$codename(-[a-z]+)?\$" '
        BEGIN { RS = ""; FS = "\n" }
        {
            deb = 0; ours = 0
            for (i = 1; i <= NF; i++) {
                if ($i ~ /^Types:/ && $i ~ /[ \t]deb([ \t]|$)/) deb = 1
                if ($i ~ /^Suites:/) {
                    n = split(substr($i, 8), s, /[ \t]+/)
                    for (j = 1; j <= n; j++) if (s[j] ~ suite) ours = 1
                }
            }
            if (!deb || !ours) next
            for (i = 1; i <= NF; i++) print ($i ~ /^Types:/ ? "Types: deb-src" : $i)
            print ""
        }' "${files[@]}"
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        sed -En "s/^deb([[:space:]]+(\[[^]]*\][[:space:]]+)?[^[:space:]]+[[:space:]]+$codename(-[a-z]+)?[[:space:]].*)/deb-src\1/p" "$file"
    done
}
if ! apt-cache showsrc "$package" 2>/dev/null | grep -qx "Version: $version"; then
    if ! grep -rqsE '^(Types:.*[[:space:]]deb-src|deb-src[[:space:]])' /etc/apt/sources.list /etc/apt/sources.list.d; then
        entries=$(source_entries)
        [ -n "$entries" ] || fail "apt has no entry for Debian $codename to take sources from"
        list=/etc/apt/sources.list.d/vorrintal-deb-src.sources
        grep -q '^Types:' <<<"$entries" || list=${list%.sources}.list
        say "adding Debian's source packages for $codename to apt ($list), so that" \
            "apt-get source can fetch $package"
        "${sudo[@]}" tee "$list" <<<"$entries" >/dev/null
    fi
    "${sudo[@]}" apt-get update -q >&2
fi

# apt checks each file against the archive's signed index; a download that fails leaves the
# cache as it was.
say "fetching the source of $package $version into $folder"
mkdir -p "$cache/sources"
fetch=$(mktemp -d "$folder.XXXXXX")
trap 'rm -rf "$fetch"' EXIT
(cd "$fetch" && apt-get source -q --download-only --only-source "$package=$version") \
    >"$fetch.log" 2>&1 || { cat "$fetch.log" >&2; rm -f "$fetch.log"; fail "apt-get source $package=$version failed"; }
rm -f "$fetch.log"
rm -rf "$folder"
mv "$fetch" "$folder"
chmod 755 "$folder"
check || fail "the source of $package $version in $folder does not match its .dsc"
echo "$folder"

#!/usr/bin/env bash
# Builds the Debian package and checks its control fields, its file list, what lintian says
# of it, and that the program unpacked from it starts and draws its first window on the
# offscreen platform.
# Usage: check-package.sh CPACK_CONFIG SCRATCH_DIR APP_ID VERSION
set -euo pipefail
config=$1 scratch=$2 id=$3 version=$4

fail() { echo "FAIL: $*" >&2; exit 1; }
catalogues=$(cd "$(dirname "$0")/../translations" && ls vorrintal_*.ts |
    sed 's|\(.*\)\.ts$|share/vorrintal/translations/\1.qm|')

rm -rf "$scratch"
mkdir -p "$scratch"
cpack --config "$config" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack could not build the package"; }
deb=$scratch/vorrintal_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "cpack made no $deb"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = vorrintal ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Section)" = utils ] || fail "Section is '$(field Section)'"
grep -Eq '^.+ <[^@ ]+@[^> ]+>$' <<<"$(field Maintainer)" || fail "Maintainer is '$(field Maintainer)'"
[ "$(field Description | wc -l)" -gt 1 ] || fail "the Description has no long part"
# Debian 13 renamed some Qt libraries for 64-bit time (libqt6core6t64); accept it here too.
grep -Eq '(^|, )libqt6widgets6(t64)?( |,|$)' <<<"$(field Depends)" ||
    fail "Depends does not name the Qt 6 widgets library: $(field Depends)"
for package in qt6-wayland qt6-translations-l10n; do
    grep -q "$package" <<<"$(field Recommends)" || fail "Recommends does not name $package"
done

files=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
expected=$(printf './usr/%s\n' bin/vorrintal "share/applications/$id.desktop" \
    "share/icons/hicolor/scalable/apps/$id.svg" "share/metainfo/$id.metainfo.xml" \
    share/man/man1/vorrintal.1.gz share/doc/vorrintal/copyright share/doc/vorrintal/changelog.gz \
    $catalogues | sort)
[ "$files" = "$expected" ] ||
    fail "the package's files differ from the expected ones:$(diff <(echo "$expected") <(echo "$files"))"

# Run as root, lintian first says that it should not be; it must say nothing else.
report=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $report"
report=$(grep -v '^running with root privileges is not recommended!$' <<<"$report" || true)
[ -z "$report" ] || fail "lintian: $report"

root=$scratch/root
dpkg-deb --extract "$deb" "$root"
latest=$(gzip -dc "$root/usr/share/doc/vorrintal/changelog.gz" | head -n 1)
[[ "$latest" == "vorrintal ($version) "* ]] ||
    fail "the changelog's latest entry is '$latest', not one for version $version"
program=$root/usr/bin/vorrintal
if readelf --dynamic "$program" | grep -Eq 'R(UN)?PATH'; then fail "the program has a run path"; fi

# The program first asks for the title; Qt's painting log says when that dialog is drawn.
log=$scratch/run.log
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.widgets.painting=true' "$program" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    grep -q 'Flushing .* of optionsDialog' "$log" && break
    kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; fail "the unpacked program ended before drawing a window"; }
    sleep 0.1
done
grep -q 'Flushing .* of optionsDialog' "$log" || { tail "$log" >&2; fail "no window drawn within 10 s"; }
echo "the package is complete and its program starts"

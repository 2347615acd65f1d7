#!/usr/bin/env bash
# Makes a release in dist/: the source tarball, one Debian package for each architecture
# below, each built from that tarball with Debian's own hardened build flags and checked
# (architecture, lintian, hardening, the test suites, under qemu for a foreign
# architecture), the Windows installer and portable zip (scripts/release-windows.sh), and
# SHA256SUMS. The same commit gives the same bytes in any folder at any
# time: every date is the one of the latest entry in data/changelog. Only a release that
# passed every check replaces dist/; anything else leaves it as it was.
# Run it in a git checkout with no uncommitted changes, or in an unpacked release tarball.
#
# Signing, each part only when its setting is given:
#   VORRINTAL_SIGNING_KEY=<fingerprint>  the OpenPGP key (in GNUPGHOME, or gpg's default
#       home) that signs SHA256SUMS as SHA256SUMS.asc, detached and ASCII-armoured
#   VORRINTAL_AUTHENTICODE_PFX=<file> and VORRINTAL_AUTHENTICODE_PASSWORD_FILE=<file>  the
#       certificate that signs the Windows program, installer and uninstaller; see
#       scripts/authenticode.sh for its other settings
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd -P)
umask 022
export LC_ALL=C.UTF-8 TZ=UTC
unset LANGUAGE

# Debian architectures to package: any for which Debian ships Qt 6 (armhf, i386, ...).
architectures=(amd64 arm64)
readonly name=vorrintal work=$root/build-release
. scripts/release-windows.sh

refuse() {
    echo "release: $*" >&2
    exit 1
}
# Whatever stops the release, dist/ has not been touched yet.
trap '[ $? -eq 0 ] || echo "release: stopped; dist/ is as it was" >&2' EXIT

# --- What is released, and when.
from_git=false
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$root" ]; then
    from_git=true
    changes=$(git status --porcelain --untracked-files=no)
    [ -z "$changes" ] || refuse "tracked files have uncommitted changes; commit or stash them first:
$changes"
fi
version=$(sed -n 's/^project(vorrintal VERSION \([^ )]*\).*/\1/p' CMakeLists.txt)
release_date=$(sed -n 's/^set(VORRINTAL_RELEASE_DATE \([^ )]*\))$/\1/p' CMakeLists.txt)
changelog_version=$(sed -n '1s/^[^ ]* (\([^)]*\)).*/\1/p' data/changelog)
changelog_date=$(sed -n '/^ -- /{s/^ -- .*>  //p;q}' data/changelog)
[ -n "$version" ] || refuse "found no project version in CMakeLists.txt"
[ "$version" = "$changelog_version" ] ||
    refuse "CMakeLists.txt says version $version, but the latest entry of data/changelog" \
        "is for '$changelog_version'; add an entry for $version there"
SOURCE_DATE_EPOCH=$(date -d "$changelog_date" +%s 2>/dev/null) ||
    refuse "the latest entry of data/changelog has no date that can be read: '$changelog_date'"
export SOURCE_DATE_EPOCH
[ "$(date -d "@$SOURCE_DATE_EPOCH" +%F)" = "$release_date" ] ||
    refuse "VORRINTAL_RELEASE_DATE in CMakeLists.txt is $release_date, but data/changelog" \
        "dates $version $(date -d "@$SOURCE_DATE_EPOCH" +%F)"

# --- Who signs, checked before anything is built.
signing_packages=()
signing_key=${VORRINTAL_SIGNING_KEY:-}
if [ -n "$signing_key" ]; then
    signing_key=$(tr -d ' ' <<<"${signing_key^^}")
    [[ $signing_key =~ ^([0-9A-F]{40}|[0-9A-F]{64})$ ]] ||
        refuse "VORRINTAL_SIGNING_KEY is '$VORRINTAL_SIGNING_KEY'; give the key's whole" \
            "fingerprint, as 'gpg --list-secret-keys --with-colons' shows it on its 'fpr' line"
    signing_packages+=(gnupg gpgv)
else
    echo "release: no VORRINTAL_SIGNING_KEY, so SHA256SUMS is not signed"
fi
authenticode=false
if [ -n "${VORRINTAL_AUTHENTICODE_PFX:-}${VORRINTAL_AUTHENTICODE_PASSWORD_FILE:-}" ]; then
    for setting in VORRINTAL_AUTHENTICODE_PFX VORRINTAL_AUTHENTICODE_PASSWORD_FILE; do
        [ -r "${!setting:-}" ] || refuse "$setting must name a file that can be read"
    done
    authenticode=true
    signing_packages+=(osslsigncode openssl ca-certificates)
else
    echo "release: no VORRINTAL_AUTHENTICODE_PFX, so the Windows programs are not signed"
fi

# --- What the builds need. Packages for another architecture come from dpkg's multiarch
# support, which has to be told about that architecture once.
# The suites measure text in fonts they load from Debian's font packages.
scripts/install-packages.sh cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-tools-dev \
    qt6-l10n-tools dpkg-dev file lintian \
    devscripts fonts-dejavu-core fonts-noto-core fonts-cantarell "${windows_packages[@]}" \
    "${signing_packages[@]}"
if [ -n "$signing_key" ]; then
    gpg --list-secret-keys --with-colons -- "$signing_key" 2>/dev/null | grep -q '^sec:' ||
        refuse "the key $signing_key has no secret part in ${GNUPGHOME:-$HOME/.gnupg}"
fi
if $authenticode; then
    openssl pkcs12 -in "$VORRINTAL_AUTHENTICODE_PFX" -noout \
        -passin "file:$VORRINTAL_AUTHENTICODE_PASSWORD_FILE" 2>/dev/null ||
        refuse "$VORRINTAL_AUTHENTICODE_PFX cannot be opened with the password in" \
            "$VORRINTAL_AUTHENTICODE_PASSWORD_FILE"
fi
host=$(dpkg --print-architecture)
for arch in "${architectures[@]}"; do
    [ "$arch" = "$host" ] && continue
    if ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
        echo "release: adding the $arch architecture to dpkg (dpkg --add-architecture $arch)," \
            "so that apt can install Qt for $arch beside the machine's own"
        sudo=()
        [ "$(id -u)" -eq 0 ] || sudo=(sudo)
        "${sudo[@]}" dpkg --add-architecture "$arch"
    fi
    triplet=$(dpkg-architecture -a "$arch" -qDEB_HOST_GNU_TYPE 2>/dev/null)
    scripts/install-packages.sh "g++-$triplet" "qt6-base-dev:$arch" qemu-user-static
done

# --- The source: exactly the tracked files, or in an unpacked tarball the files there less
# what the builds and the release write, under one top folder, with fixed owners, modes
# and dates.
rm -rf "$work"
mkdir -p "$work/out/$name-$version"
if $from_git; then
    git archive --format=tar HEAD | tar -x -C "$work/out/$name-$version"
else
    tar -c --exclude=./.git --exclude='./build*' --exclude=./dist . | tar -x -C "$work/out/$name-$version"
fi
tarball=$name-$version.tar.gz
tar -c -C "$work/out" --sort=name --format=gnu --owner=0 --group=0 --numeric-owner \
    --mode='u+rw,go-w,a+rX' --mtime="@$SOURCE_DATE_EPOCH" "$name-$version" |
    gzip -9 --no-name >"$work/out/$tarball"
rm -rf "${work:?}/out/$name-$version"
# The packages are built from what the tarball holds, in a folder that the build flags map
# to ".", so that no path of this machine enters the binaries.
tar -xzf "$work/out/$tarball" -C "$work"
src=$work/$name-$version

# Says whether the hardening-check line for a feature reads as it must. Fortify may name
# functions whose sizes the compiler cannot know.
hardened() {
    local report=$1 feature
    for feature in 'Position Independent Executable' 'Stack protected' \
        'Read-only relocations' 'Immediate binding'; do
        grep -q "^ $feature: yes" <<<"$report" || return 1
    done
    grep -Eq '^ Fortify Source functions: (yes|no, only unprotected functions found!)' <<<"$report"
}

# Configures and builds in the folder given second, with the CMake arguments that follow,
# as Debian builds its packages; checks that every compile carried fortify and the stack
# protector; and runs the record, widget, window and randomized suites, through qemu or Wine
# where the program is for another machine, with none of their cases skipped.
build_and_test() {
    local label=$1 dir=$2
    shift 2
    cmake -S "$src" -B "$dir" -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=ON -DCMAKE_VERBOSE_MAKEFILE=ON \
        "$@" >"$work/$label-configure.log" 2>&1 ||
        { cat "$work/$label-configure.log" >&2; return 1; }
    cmake --build "$dir" --parallel "$(nproc)" >"$dir/build.log" 2>&1 ||
        { tail -n 40 "$dir/build.log" >&2; echo "release: the $label build failed, see $dir/build.log" >&2; return 1; }
    # The build log shows every compile command: each carries fortify and the stack protector.
    local compiles unhardened
    compiles=$(grep -cE ' -c [^ ]+\.cpp$' "$dir/build.log" || true)
    unhardened=$(awk '/ -c [^ ]+\.cpp$/ && !(/ -D_FORTIFY_SOURCE=/ && / -fstack-protector-strong/)' \
        "$dir/build.log")
    [ "$compiles" -gt 0 ] && [ -z "$unhardened" ] ||
        { echo "$unhardened" >&2; echo "release: $compiles compile commands, not all hardened" >&2; return 1; }
    ctest --test-dir "$dir" -L qttest --parallel "$(nproc)" --output-on-failure ||
        { echo "release: the $label tests failed" >&2; return 1; }
    "$src/scripts/skipped.sh" "$dir" || { echo "release: the $label tests skipped cases" >&2; return 1; }
}

# Builds, tests, packages and checks one architecture; the package lands in out/. Any
# command that fails ends the release.
release_for() {
    local arch=$1 dir=$work/$1
    echo "== $arch"
    eval "$(CC="$(dpkg-architecture -a "$arch" -qDEB_HOST_GNU_TYPE 2>/dev/null)-gcc" \
        dpkg-architecture -a "$arch" -s)"
    local cmake_args=()
    [ "$arch" = "$host" ] || cmake_args+=(-DCMAKE_TOOLCHAIN_FILE="$src/cmake/debian-cross.cmake")

    # Debian's flags for this architecture, asked for in $work so that its path maps to ".";
    # CMake reads no CPPFLAGS, so the preprocessor's go in with the compiler's.
    debian_flags() { (cd "$work" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"); }
    local cxxflags ldflags
    cxxflags="$(debian_flags CXXFLAGS) $(debian_flags CPPFLAGS)"
    ldflags=$(debian_flags LDFLAGS)
    [[ " $cxxflags " == *" -fstack-clash-protection "* ]] || cxxflags+=" -fstack-clash-protection"
    if [ "$arch" = amd64 ] && [[ " $cxxflags " != *" -fcf-protection"* ]]; then
        cxxflags+=" -fcf-protection"
    fi

    build_and_test "$arch" "$dir" "${cmake_args[@]}" -DCMAKE_CXX_FLAGS="$cxxflags" \
        -DCMAKE_EXE_LINKER_FLAGS="$ldflags"
    echo "built with: $cxxflags; linked with: $ldflags"

    (cd "$dir" && cpack -G DEB -B "$dir/package") >"$dir/cpack.log" 2>&1 ||
        { cat "$dir/cpack.log" >&2; return 1; }
    local deb=$dir/package/${name}_${version}_$arch.deb
    [ -f "$deb" ] || { echo "release: cpack made no $deb" >&2; return 1; }
    [ "$(dpkg-deb --field "$deb" Architecture)" = "$arch" ] ||
        { echo "release: $deb is for '$(dpkg-deb --field "$deb" Architecture)'" >&2; return 1; }
    echo "Depends: $(dpkg-deb --field "$deb" Depends)"

    # Run as root, lintian says first that it should not be; nothing else may stand.
    local report status=0
    report=$(lintian --fail-on error,warning "$deb" 2>&1) || status=$?
    report=$(grep -v '^running with root privileges is not recommended!$' <<<"$report" || true)
    if [ "$status" -ne 0 ] || [ -n "$report" ]; then
        echo "$report" >&2
        echo "release: lintian objects to $deb" >&2
        return 1
    fi

    dpkg-deb --extract "$deb" "$dir/unpacked"
    # It looks for stack-clash probes with the build machine's objdump, which cannot read a
    # foreign binary and says so; that line then reads "unknown".
    report=$(hardening-check "$dir/unpacked/usr/bin/$name" 2>/dev/null || true)
    echo "$report"
    hardened "$report" || { echo "release: the $arch program is not hardened as it must be" >&2; return 1; }
    cp "$deb" "$work/out/"
}

# Each in a subshell of its own, so that one architecture's settings stay out of the next.
files=("$tarball")
for arch in "${architectures[@]}"; do
    (release_for "$arch")
    files+=("${name}_${version}_$arch.deb")
done
(release_windows)
files+=("$name-$version-windows-x86_64-setup.exe" "$name-$version-windows-x86_64.zip"
    "$name-$version-windows-x86_64-sources.tar")

(cd "$work/out" && sha256sum "${files[@]}" >SHA256SUMS)
if [ -n "$signing_key" ]; then
    gpg --local-user "$signing_key" --armor --detach-sign --output "$work/out/SHA256SUMS.asc" \
        "$work/out/SHA256SUMS"
    # Checked as a user checks it: against the public key alone, which must have made it.
    gpg --export -- "$signing_key" >"$work/signing-key.pgp"
    report=$(gpgv --keyring "$work/signing-key.pgp" --status-fd 1 \
        "$work/out/SHA256SUMS.asc" "$work/out/SHA256SUMS" 2>&1) ||
        { echo "$report" >&2; refuse "SHA256SUMS.asc does not verify"; }
    # VALIDSIG names the key that signed, then its primary key: either may have been given.
    grep -Eq "^\[GNUPG:\] VALIDSIG ($signing_key .*|.* $signing_key)\$" <<<"$report" ||
        { echo "$report" >&2; refuse "SHA256SUMS.asc was not made by $signing_key"; }
    echo "SHA256SUMS.asc: a good signature by $signing_key"
fi
rm -rf dist
mv "$work/out" dist
echo "release $version in dist/:"
cat dist/SHA256SUMS

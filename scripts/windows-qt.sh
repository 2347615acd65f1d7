#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own Qt source, once per machine, and prints the
# folder it is installed in. Takes the qt6-base source package of this machine's Debian
# release, the version of the Qt installed here (whose moc, uic and rcc the cross-build
# runs), through scripts/debian-source.sh, which keeps it for the release to carry; builds it
# with the MinGW-w64 posix compilers and cmake/windows-cross.cmake, GCC's run time linked in;
# and installs it into a cache outside the work tree, keyed by the source version, the
# options and the compilers, so that later runs and other clones reuse it. Only what the
# program and its tests need is built: Core, Gui, Widgets and Test; the windows and
# offscreen platforms; the native Windows styles. The same inputs give the same DLLs in any
# build folder. The cache is $VORRINTAL_CACHE, or ~/.cache/vorrintal (XDG_CACHE_HOME).
# Progress goes to stderr; the only line on stdout is the folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd -P)
export LC_ALL=C.UTF-8 TZ=UTC

say() { echo "windows-qt: $*" >&2; }
fail() {
    say "$*"
    exit 1
}

scripts/install-packages.sh dpkg-dev cmake ninja-build g++-mingw-w64-x86-64-posix \
    qt6-base-dev qt6-base-dev-tools >&2

# What is built decides the folder: change any of it and the Qt is built afresh.
# The machine's own Qt: a release may have installed the arm64 one beside it.
version=$(dpkg-query -W -f='${source:Version}' "qt6-base-dev:$(dpkg --print-architecture)")
options=(
    -release -shared -optimize-size -nomake examples -nomake tests
    # Qt's own copies of the libraries it needs, built for Windows with it.
    -qt-zlib -qt-libpng -qt-pcre -qt-freetype -qt-harfbuzz -qt-doubleconversion
    -no-icu -no-zstd -no-libjpeg -no-gif -no-ico -no-opengl -no-dbus
    -no-feature-network -no-feature-sql -no-feature-printsupport -no-feature-concurrent
    -no-feature-xml
    # The program asks no file types; Qt would also stamp the build's time into the copy
    # of the MIME database it compresses into Qt6Core.dll.
    -no-feature-mimetype-database
    # Debian's source leaves out the tablet library that the windows platform would use.
    -no-feature-tabletevent
)
case $version in
6.4.*)
    # Qt 6.4 draws text with GDI unless told otherwise, and builds its DirectWrite font
    # database only with Direct2D and DirectWrite 3 both on; with Direct2D off, the windows
    # platform fails to link unless this is off too.
    options+=(-no-direct2d -no-feature-directwrite3)
    ;;
*)
    # Qt 6.8 draws text through DirectWrite, whose font engine it builds only with Direct2D:
    # both stay. Left out is only the Direct2D platform plugin, which nothing loads.
    options+=(-no-feature-direct2d1_1)
    ;;
esac
# GCC's run time goes into every DLL, so that none of its DLLs ships: the GCC Runtime Library
# Exception lets code compiled with GCC carry it under the code's own licence.
links="-static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp"
compilers=$(dpkg-query -W -f='${Package} ${Version}\n' g++-mingw-w64-x86-64-posix \
    gcc-mingw-w64-x86-64-posix-runtime mingw-w64-x86-64-dev binutils-mingw-w64-x86-64)
recipe="qt6-base $version
configure ${options[*]}
link $links
$compilers
toolchain $(sha256sum <cmake/windows-cross.cmake | cut -c1-64)"
key=$(sha256sum <<<"$recipe" | cut -c1-16)
cache=${VORRINTAL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vorrintal}
prefix=$cache/qt-${version%%+*}-windows-x86_64-$key
if [ -f "$prefix/recipe" ]; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache"
# Two releases at once would build the same Qt twice, into one folder.
exec 9>"$cache/.lock"
flock 9
if [ -f "$prefix/recipe" ]; then
    echo "$prefix"
    exit 0
fi
say "building Qt $version for Windows into $prefix; this takes half an hour (6.4) to an hour (6.8)"

# --- The source: Debian's source package, kept in the cache beside the Qt built from it,
# for the release to carry.
source=$(scripts/debian-source.sh qt6-base "$version")
work=$cache/build-$key
rm -rf "$work"
mkdir -p "$work"
src=$work/qt6-base
dpkg-source --no-copy -x "$source"/qt6-base_*.dsc "$src" >"$work/source.log" 2>&1 ||
    { cat "$work/source.log" >&2; fail "could not unpack $source"; }
[ -x "$src/configure" ] || fail "$source holds no Qt source"

# --- The build. Every path of this machine is mapped away and no PE time stamp is written,
# so that the DLLs do not depend on the folder or the day; rcc dates the files it embeds
# with the date of the source package's latest changelog entry, whoever calls this. The prefix is one fixed name:
# Qt records it, and finds itself relative to its DLLs wherever it is installed.
build=$work/build
mkdir -p "$build"
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog --file "$src/debian/changelog" --show-field Timestamp)
export SOURCE_DATE_EPOCH
maps="-ffile-prefix-map=$src=/qt -ffile-prefix-map=$build=/qt"
say "configuring (log: $build/configure.log)"
(cd "$build" && "$src/configure" -prefix /qt "${options[@]}" -qt-host-path /usr -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/windows-cross.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DCMAKE_C_FLAGS="$maps" -DCMAKE_CXX_FLAGS="$maps" \
    -DCMAKE_SHARED_LINKER_FLAGS="$links" -DCMAKE_MODULE_LINKER_FLAGS="$links" \
    -DCMAKE_EXE_LINKER_FLAGS="$links") >"$build/configure.log" 2>&1 ||
    { tail -n 40 "$build/configure.log" >&2; fail "configure failed, see $build/configure.log"; }
say "building (log: $build/build.log)"
cmake --build "$build" --parallel "$(nproc)" >"$build/build.log" 2>&1 ||
    { tail -n 40 "$build/build.log" >&2; fail "the build failed; its log was $build/build.log"; }
DESTDIR=$work/install cmake --install "$build" >"$build/install.log" 2>&1 ||
    { tail -n 20 "$build/install.log" >&2; fail "installing failed"; }
echo "$recipe" >"$work/install/qt/recipe"
rm -rf "$prefix"
mv "$work/install/qt" "$prefix"
# A failed build is left for its logs; a finished one is not needed any more.
rm -rf "$work"
say "Qt for Windows is in $prefix"
echo "$prefix"

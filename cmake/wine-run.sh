#!/usr/bin/env bash
# Runs a Windows program under Wine as ctest runs a test: with the Qt DLLs of the folder
# given first and MinGW-w64's thread DLL on its PATH (GCC's run time is linked into each),
# its QtTest output on stderr, and the QT_* variables of the environment
# (QT_QPA_PLATFORM=offscreen, say), which Wine does not pass on by those names.
# Usage: wine-run.sh QT_DLL_FOLDER PROGRAM [ARGUMENT...]
set -euo pipefail
qt_bin=$1
shift

pthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
# Wine shows the whole of this machine's file system as drive Z:.
windows_path() { local path=${1//\//\\}; echo "Z:$path"; }
WINEPATH="$(windows_path "$qt_bin");$(windows_path "$pthread")"
export WINEPATH
while IFS='=' read -r name _; do
    export "WINE$name=${!name}"
done < <(env | grep -E '^QT_[A-Za-z0-9_]*=' || true)
# Qt's offscreen platform on Windows draws with its own copy of FreeType and finds no fonts
# of Windows'; it reads the host's.
[ -n "${WINEQT_QPA_FONTDIR:-}" ] || export WINEQT_QPA_FONTDIR="Z:\\usr\\share\\fonts\\truetype\\dejavu"
export WINEQT_FORCE_STDERR_LOGGING=1
export WINEDEBUG=${WINEDEBUG:--all}
# No .NET or HTML engine to install, and no menu entries of the host's desktop to write.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
exec wine "$@"

#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Arguments go to the
# program, e.g. Qt's own "-platform vnc".
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-qpa-plugins qt6-wayland
# The program's own build: the test builds' strictness stays with them, so that a new
# compiler's new warning cannot keep anyone from running it.
cmake -S . -B build -DBUILD_TESTING=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=OFF >/dev/null
cmake --build build --target vorrintal --parallel "$(nproc)"

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ] && [[ " $* " != *" -platform "* ]]; then
    echo "vorrintal: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session, headless with 'xvfb-run -a scripts/run.sh' (package xvfb), or over VNC with 'scripts/run.sh -platform vnc' (port 5900)." >&2
    exit 1
fi
exec build/vorrintal "$@"

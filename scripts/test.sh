#!/usr/bin/env bash
# Installs what is missing, builds the program with its tests and runs the whole suite.
# The tests run headless, except one that uses the program on a virtual X server; the
# build treats every warning as an error.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh cmake g++ make qt6-base-dev qt6-base-dev-tools clang-format \
    desktop-file-utils appstream libxml2-utils dpkg-dev file \
    xvfb xauth xdotool x11-utils imagemagick
cmake -S . -B build -DBUILD_TESTING=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build build --parallel "$(nproc)"
cd build
exec ctest --output-on-failure --parallel "$(nproc)"

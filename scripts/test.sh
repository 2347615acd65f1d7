#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice: in build-test/
# as the program ships, with the widget and window tests also under valgrind's memcheck; and
# in build-asan/ under AddressSanitizer and UndefinedBehaviorSanitizer. The tests run
# headless, except one that uses the program on a virtual X server; the builds treat every
# warning as an error. A test or case that skips, for want of a tool or a font, fails the
# suite here.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-tools-dev \
    qt6-l10n-tools qt6-translations-l10n clang-format \
    desktop-file-utils appstream libxml2-utils dpkg-dev file lintian man-db \
    xvfb xauth xdotool x11-utils imagemagick valgrind weston qt6-wayland openbox \
    qt6-gtk-platformtheme fonts-dejavu-core fonts-noto-core fonts-noto-cjk fonts-cantarell

# Builds in the folder given first, with the CMake options that follow, and runs the suite.
suite() {
    local dir=$1
    shift
    echo "== test suite in $dir"
    cmake -S . -B "$dir" -DBUILD_TESTING=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@" >/dev/null &&
        cmake --build "$dir" --parallel "$(nproc)" || return 1
    ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)" || return 1
    # Every test and every case ran: this command installs all that any of them needs.
    scripts/skipped.sh "$dir" || { echo "FAILED: skipped in $dir (listed above)"; return 1; }
}

failed=()
suite build-test || failed+=(build-test)
suite build-asan -DVORRINTAL_SANITIZE=ON || failed+=(build-asan)
if [ ${#failed[@]} -ne 0 ]; then
    echo "FAILED: the test suite in ${failed[*]}"
    exit 1
fi
echo "Both test suites passed."

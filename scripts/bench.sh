#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in build-bench/ and runs them: the whole
# program's start-up beside Qt's floor, then the program's own work per command at 10, 100
# and 1,000 players and its memory per player. On the offscreen platform by default;
# `scripts/bench.sh --xcb` runs both on a virtual X server with Qt's X11 plugin.
set -euo pipefail
cd "$(dirname "$0")/.."

platform=offscreen
case "${1:-}" in
"") ;;
--xcb) platform=xcb ;;
*) echo "usage: $0 [--xcb]" >&2; exit 2 ;;
esac

packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools libbenchmark-dev)
[ "$platform" = xcb ] && packages+=(xvfb xauth)
scripts/install-packages.sh "${packages[@]}"
cmake -S . -B build-bench -DVORRINTAL_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench --parallel "$(nproc)"
# Let the build's writes reach the disk first: they slow the first runs down otherwise.
sync

on_platform() {
    if [ "$platform" = xcb ]; then
        QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$@"
    else
        QT_QPA_PLATFORM=offscreen "$@"
    fi
}

# Debian 13 renamed the Qt core library's package for 64-bit time (libqt6core6t64).
qt_version() {
    dpkg-query -W -f='${db:Status-Status} ${Version}\n' libqt6core6 libqt6core6t64 2>/dev/null |
        awk '$1 == "installed" { print $2; found = 1; exit } END { if (!found) print "?" }'
}

bin=$PWD/build-bench
echo "Machine: $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)," \
    "$(free -g | awk '/^Mem:/ { print $2 }') GiB; $(. /etc/os-release && echo "$PRETTY_NAME");" \
    "Qt $(qt_version)"
echo
on_platform "$bin/benchmarks/bench_startup" "$bin/benchmarks/libvorrintal_autopilot.so" 31 \
    "$bin/vorrintal" "$bin/benchmarks/vorrintal_floor" "$bin/benchmarks/vorrintal_forms"
echo
# Qt's own warnings go to a log, so that the table stays readable.
on_platform "$bin/benchmarks/bench_actions" 2>"$bin/bench-actions.log" ||
    { cat "$bin/bench-actions.log" >&2; exit 1; }

#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed yet.
# A machine that already has them all does not touch the package lists.
set -euo pipefail

# Whether a package is installed, held at its version or not. A name without ":ARCH" is the
# machine's own architecture's (or an architecture-independent) package, as for apt.
native=$(dpkg --print-architecture)
installed() {
    local name=${1%%:*} arch=${1#*:}
    [ "$arch" != "$1" ] || arch=$native
    dpkg-query -W -f='${Architecture} ${db:Status-Status}\n' "$name" 2>/dev/null |
        grep -Eq "^($arch|all) installed$"
}

missing=()
for pkg in "$@"; do
    installed "$pkg" || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "error: need root or sudo to install ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { "${sudo[@]}" apt-get update -q &&
       "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
           apt-get install -y -q --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "error: could not install ${missing[*]}" >&2
    exit 1
fi

#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed yet.
# A machine that already has them all does not touch the package lists.
set -euo pipefail

missing=()
for pkg in "$@"; do
    # Installed, whether or not it is held at its version.
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null)" = installed ] || missing+=("$pkg")
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

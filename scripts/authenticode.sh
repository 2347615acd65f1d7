#!/usr/bin/env bash
# Signs each Windows program given (.exe or .dll), in place, with an Authenticode signature,
# and checks it with `osslsigncode verify`. The release calls it for the program and the
# installer, and makensis for the uninstaller it writes. Settings, from the environment:
#   VORRINTAL_AUTHENTICODE_PFX            the code-signing certificate and its key (PKCS#12)
#   VORRINTAL_AUTHENTICODE_PASSWORD_FILE  a file whose first line is the PKCS#12 password
#   VORRINTAL_AUTHENTICODE_CA             the certificates the signature must lead to
#                                         (default: the system's, ca-certificates)
#   VORRINTAL_AUTHENTICODE_TIMESTAMP      an RFC 3161 timestamp server's URL (default:
#                                         none, so the signature is valid only as long as
#                                         the certificate is)
# The password is read from its file by osslsigncode, never put on a command line.
# With --verify first, it only checks the signatures of the files that follow.
set -euo pipefail
verify_only=false
[ "${1:-}" != --verify ] || { verify_only=true; shift; }
homepage=$(sed -n 's/^set(VORRINTAL_HOMEPAGE \(.*\))$/\1/p' "$(dirname "$0")/../CMakeLists.txt")

$verify_only || : "${VORRINTAL_AUTHENTICODE_PFX:?the code-signing certificate, as a PKCS#12 file}" \
    "${VORRINTAL_AUTHENTICODE_PASSWORD_FILE:?the file that holds its password}"
ca=${VORRINTAL_AUTHENTICODE_CA:-/etc/ssl/certs/ca-certificates.crt}
timestamp=()
[ -z "${VORRINTAL_AUTHENTICODE_TIMESTAMP:-}" ] || timestamp=(-ts "$VORRINTAL_AUTHENTICODE_TIMESTAMP")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for file in "$@"; do
    if ! $verify_only; then
        # osslsigncode writes a new file, which takes the place of the unsigned one.
        signed=$work/$(basename "$file")
        osslsigncode sign -pkcs12 "$VORRINTAL_AUTHENTICODE_PFX" \
            -readpass "$VORRINTAL_AUTHENTICODE_PASSWORD_FILE" -h sha256 -n Vorrintal \
            -i "$homepage" "${timestamp[@]}" \
            -in "$file" -out "$signed" >"$work/log" 2>&1 ||
            { cat "$work/log" >&2; echo "authenticode: could not sign $file" >&2; exit 1; }
        chmod --reference="$file" "$signed"
        mv "$signed" "$file"
    fi
    report=$(osslsigncode verify -CAfile "$ca" -in "$file" 2>&1) ||
        { echo "$report" >&2; echo "authenticode: the signature of $file does not verify" >&2; exit 1; }
    echo "$(basename "$file"): the signature verifies, by $(grep -m1 'Subject:' <<<"$report" |
        sed 's/^.*Subject: //')"
done

#!/usr/bin/env bash
# Signs a Windows program in place with an Authenticode signature (SHA-256):
#
#   NV_SIGN_PASSWORD=... scripts/sign.sh PROGRAM CERTIFICATE.p12 [TIMESTAMP_URL]
#
# The build runs it on the programs it links itself when NV_SIGN_PKCS12 is set.
# The certificate's password comes from the environment only and reaches
# osslsigncode through a pipe: it is never on a command line, which every user
# of the machine can read, nor in a file. With TIMESTAMP_URL the signature is
# countersigned by that time-stamping server (RFC 3161). Without one,
# SOURCE_DATE_EPOCH, when set, is the signing time written into the signature,
# so that signing the same program with the same certificate gives the same bytes.
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    sed -n '2,12s/^# \{0,1\}//p' "$0" >&2
    exit 2
fi
program=$1
pkcs12=$2
timestamp=${3:-}

command -v osslsigncode >/dev/null ||
    { echo "sign.sh: osslsigncode is not installed (scripts/install-deps.sh)" >&2; exit 1; }
[ -f "$pkcs12" ] || { echo "sign.sh: no certificate $pkcs12" >&2; exit 1; }
if [ -z "${NV_SIGN_PASSWORD+set}" ]; then
    echo "sign.sh: NV_SIGN_PASSWORD is not set: the password of $pkcs12 comes from the environment" >&2
    exit 1
fi

args=(-pkcs12 "$pkcs12" -readpass - -h sha256)
if [ -n "$timestamp" ]; then args+=(-ts "$timestamp"); fi
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then args+=(-time "$SOURCE_DATE_EPOCH"); fi

signed=$program.signed
rm -f "$signed"
trap 'rm -f "$signed"' EXIT
if ! printf '%s' "$NV_SIGN_PASSWORD" |
    osslsigncode sign "${args[@]}" -in "$program" -out "$signed" >"$signed.log" 2>&1; then
    cat "$signed.log" >&2
    rm -f "$signed.log"
    echo "sign.sh: cannot sign $program" >&2
    exit 1
fi
rm -f "$signed.log"
chmod --reference="$program" "$signed"
mv -f "$signed" "$program"
echo "signed $program"

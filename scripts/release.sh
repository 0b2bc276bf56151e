#!/usr/bin/env bash
# Builds the installer to ship from the product's real files:
#
#   scripts/release.sh PAYLOAD_DIR [--build-dir DIR] [--sign CERT.p12] [--timestamp URL]
#
# PAYLOAD_DIR holds the 29 files (Norvelik.exe, uninstall.exe, nvf.cok ...
# nvy.cok, riched32.dll); a folder that lacks one, or with a data file too
# short for its version stamp, is refused with what is wrong. The build goes to
# a folder of its own (default build/release), configured afresh with exactly
# these options, so it never mixes with a developer's build/windows nor packs
# stand-ins. With --sign (or NV_SIGN_PKCS12 in the environment) setup.exe is
# signed; the certificate's password is read from NV_SIGN_PASSWORD, never from
# the command line. SOURCE_DATE_EPOCH (default: the time of the last commit)
# is the signing time, so that a release signed without a timestamp server
# comes out the same each time. Prints what went in and what came out.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

usage() { sed -n '2,16s/^# \{0,1\}//p' "$0" >&2; exit 2; }
payload=
build=$root/build/release
pkcs12=${NV_SIGN_PKCS12:-}
timestamp=${NV_SIGN_TIMESTAMP_URL:-}
while [ $# -gt 0 ]; do
    case "$1" in
        --build-dir) build=$2; shift 2 ;;
        --sign) pkcs12=$2; shift 2 ;;
        --timestamp) timestamp=$2; shift 2 ;;
        -h | --help) usage ;;
        -*) echo "release.sh: unknown option $1" >&2; usage ;;
        *) [ -z "$payload" ] || usage; payload=$1; shift ;;
    esac
done
[ -n "$payload" ] || usage
[ -d "$payload" ] || { echo "release.sh: no folder $payload" >&2; exit 1; }
payload=$(cd "$payload" && pwd)
mkdir -p "$build"
build=$(cd "$build" && pwd)
if [ -n "$pkcs12" ]; then
    [ -f "$pkcs12" ] || { echo "release.sh: no certificate $pkcs12" >&2; exit 1; }
    pkcs12=$(realpath "$pkcs12")
    if [ -z "${NV_SIGN_PASSWORD+set}" ]; then
        echo "release.sh: set NV_SIGN_PASSWORD to the password of $pkcs12" >&2
        exit 1
    fi
fi
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null || true)
    [ -n "$SOURCE_DATE_EPOCH" ] || unset SOURCE_DATE_EPOCH
fi
export SOURCE_DATE_EPOCH

# The configure step checks the folder (the same check the build repeats).
cd "$root"
log=$build/release-configure.log
if ! cmake --preset windows -B "$build" -DNV_PAYLOAD_DIR="$payload" -DNV_PAYLOAD_PROFILE=full \
    -DNV_SIGN_PKCS12="$pkcs12" -DNV_SIGN_TIMESTAMP_URL="$timestamp" >"$log" 2>&1; then
    # CMake's error text without its frame: the folder and each problem.
    awk '/^CMake Error/ { on = 1; next } /^(Call Stack|Preset CMake|-- )/ { on = 0 }
         on && NF { sub(/^  /, ""); print }' "$log" >&2
    echo "release.sh: nothing built" >&2
    exit 1
fi
cmake --build "$build" --target setup >"$build/release-build.log" 2>&1 ||
    { tail -n 30 "$build/release-build.log" >&2; echo "release.sh: the build failed" >&2; exit 1; }

setup=$build/bin/setup.exe
gen=$build/resources/payload/payload_gen
bytes() { stat -c %s "$1"; }
sha256() { sha256sum "$1" | cut -d' ' -f1; }

echo "setup.exe packs the product's files from $payload:"
printf '  %-14s %10s %6s  %s\n' file bytes stamp SHA-256
total=0
count=0
# Each file's name, size and version stamp, as the table of the product's
# files places the stamp.
listing=$("$gen" listing "$payload")
while read -r name size stamp; do
    printf '  %-14s %10d %6s  %s\n' "$name" "$size" "$stamp" "$(sha256 "$payload/$name")"
    total=$((total + size))
    count=$((count + 1))
done <<<"$listing"
size=$(bytes "$setup")
echo "  $count files, $total bytes"
echo "setup.exe: $setup"
echo "  size          $size bytes"
echo "  own bytes     $((size - total)) (the size less the $count files)"
echo "  SHA-256       $(sha256 "$setup")"
if [ -n "$pkcs12" ]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    unsigned=$scratch/setup.exe
    osslsigncode remove-signature -in "$setup" -out "$unsigned" >/dev/null
    echo "  signed        with $(basename "$pkcs12"), SHA-256 digest${timestamp:+, timestamp from $timestamp}"
    echo "  unsigned      $(sha256 "$unsigned") (the same file without its signature)"
else
    echo "  signed        no"
fi

#!/usr/bin/env bash
# Installs everything the two builds and the tests need on a Debian 12 machine:
# the native toolchain with GoogleTest, the i686 MinGW-w64 cross compiler, 32-bit
# and 64-bit Wine, Xvfb, the ru_RU / en_US locales Wine takes its LCID from, and
# osslsigncode with openssl for signing the programs (and the signing tests),
# and inotify-tools, with which the fault tests act at a chosen step of a run.
# Safe to run again: it only installs what is missing.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi

for pkg in cmake ninja-build g++ libgtest-dev googletest pkg-config osslsigncode openssl \
           g++-mingw-w64-i686 binutils-mingw-w64-i686 \
           wine wine64 wine32:i386 xvfb xauth x11-utils imagemagick fonts-dejavu-core locales file nsis \
           inotify-tools; do
    have "$pkg" || need+=("$pkg")
done

if [ "${#need[@]}" -gt 0 ]; then
    # A mirror caught mid-sync fails an index now and then: try again, and let
    # the install itself decide whether what was fetched is enough.
    for attempt in 1 2 3; do
        $SUDO apt-get update -qq && break
        echo "apt-get update failed (attempt $attempt), retrying" >&2
        sleep $((attempt * 5))
    done
    install() { DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "$@" "${need[@]}"; }
    if ! install; then
        # 32-bit packages must carry the same version as their 64-bit twins. When
        # the security archive's i386 index could not be read, its newer amd64
        # versions have no i386 partner: prefer the main archive for this install.
        pin=$(mktemp)
        printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 50\n' >"$pin"
        install -o Dir::Etc::Preferences="$pin" || { rm -f "$pin"; exit 1; }
        rm -f "$pin"
    fi
fi

# Wine reads the user's locale from glibc: without generated locales it falls
# back to LCID 0x409 and code page 1252 whatever LANG says.
gen=0
for loc in ru_RU.UTF-8 en_US.UTF-8; do
    if ! locale -a 2>/dev/null | grep -qix "${loc/UTF-8/utf8}"; then
        $SUDO sed -i "s/^# *${loc} UTF-8/${loc} UTF-8/" /etc/locale.gen
        grep -q "^${loc} UTF-8" /etc/locale.gen || echo "${loc} UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
        gen=1
    fi
done
if [ "$gen" -eq 1 ]; then $SUDO locale-gen >/dev/null; fi
echo "dependencies ready"

#!/usr/bin/env bash
# The shipping checks: builds of this commit in folders of their own, signed
# with a throwaway certificate made here, checked from the outside.
#
#   release_checks.sh signed_builds WORK          two signed builds in two folders,
#                                                 byte for byte the same; both
#                                                 programs' signatures verify
#   release_checks.sh signed_setup_installs WORK BIN
#                                                 the signed setup_small.exe installs
#                                                 under Wine, the signed uninstaller
#                                                 included (BIN: the build's programs)
#   release_checks.sh release_command WORK        scripts/release.sh on a folder of 29
#                                                 files, and on folders it must refuse
#
# WORK keeps the builds between the steps; signed_builds makes it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
step=$1
work=$2
first=$work/first
second=$work/the-second-build-folder

fail() { echo "FAIL: $*" >&2; exit 1; }
sha256() { sha256sum "$1" | cut -d' ' -f1; }

# A signature must be there and the program's digest must match it.
verify() {
    local out
    out=$(osslsigncode verify -CAfile "$work/certificate.pem" -in "$1" 2>&1) ||
        { echo "$out" >&2; fail "the signature of $1 does not verify"; }
    grep -q "Message digest algorithm  : SHA256" <<<"$out" || fail "$1 is not signed with SHA-256"
    echo "signature verified: $1"
}

load_password() { NV_SIGN_PASSWORD=$(cat "$work/password"); export NV_SIGN_PASSWORD; }

# One build of the signed programs, in its own folder, from scratch.
build() {
    rm -rf "$1"
    (cd "$root" && cmake --preset windows -B "$1" -DNV_PAYLOAD_DIR= -DNV_PAYLOAD_PROFILE=full \
        -DNV_SIGN_PKCS12="$work/certificate.p12" -DNV_SIGN_TIMESTAMP_URL= >"$work/configure.log" 2>&1) ||
        { cat "$work/configure.log" >&2; fail "cannot configure $1"; }
    cmake --build "$1" --target setup_small uninstall >"$work/build.log" 2>&1 ||
        { tail -n 40 "$work/build.log" >&2; fail "cannot build in $1"; }
}

case "$step" in
signed_builds)
    rm -rf "$work"
    mkdir -p "$work"
    # A throwaway code-signing certificate with a password of this run only.
    (umask 077 && openssl rand -hex 16 >"$work/password")
    load_password
    openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/certificate.pem" \
        -days 2 -subj "/CN=Norvelik test signing/O=Norvelik test" \
        -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" 2>/dev/null
    openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/certificate.pem" \
        -out "$work/certificate.p12" -passout env:NV_SIGN_PASSWORD
    export SOURCE_DATE_EPOCH=1700000000
    build "$first"
    sleep 1
    build "$second"
    differ=0
    for program in setup_small.exe uninstall.exe; do
        a=$(sha256 "$first/bin/$program")
        b=$(sha256 "$second/bin/$program")
        echo "$program: $a | $b"
        if [ "$a" != "$b" ]; then
            differ=1
            cmp -l "$first/bin/$program" "$second/bin/$program" | head -n 5 >&2 || true
        fi
    done
    [ "$differ" = 0 ] || fail "two builds of the same commit differ"
    verify "$first/bin/uninstall.exe"
    verify "$first/bin/setup_small.exe"
    ;;
signed_setup_installs)
    bin=$3
    # The driver comes from the build under test; the prefix templates and the
    # stand-ins (the same bytes in every build) from the build folder above it.
    cp "$bin/nvdriver.exe" "$first/bin/"
    bash "$root/tests/e2e/run_scenario.sh" --bin "$first/bin" --work "$(cd "$bin/.." && pwd)" \
        --setup "$first/bin/setup_small.exe" "$root/tests/e2e/scenarios/install_with_desktop_shortcut.nvs"
    ;;
release_command)
    load_password
    payload=$work/payload
    rm -rf "$payload"
    mkdir -p "$payload"
    cp "$first"/resources/payload/standins-small/*.cok "$payload/"
    cp "$first/bin/standin_product.exe" "$payload/Norvelik.exe"
    cp "$first/bin/uninstall.exe" "$payload/uninstall.exe"
    cp "$first/bin/standin_riched32.dll" "$payload/riched32.dll"
    out=$("$root/scripts/release.sh" "$payload" --build-dir "$first" --sign "$work/certificate.p12")
    echo "$out"
    setup=$first/bin/setup.exe
    verify "$setup"
    # Every file listed with its size, stamp and checksum; the totals.
    for file in "$payload"/*; do
        name=$(basename "$file")
        stamp='-'
        case "$name" in *.cok) stamp=$(od -An -tu2 -j5 -N2 "$file" | tr -d ' ') ;; esac
        grep -Eq "^  $name +$(stat -c %s "$file") +$stamp  $(sha256 "$file")\$" <<<"$out" ||
            fail "the listing lacks $name"
    done
    [ "$(grep -c '^  [^ ]* \+[0-9]\+ \+[-0-9]\+  [0-9a-f]\{64\}$' <<<"$out")" = 29 ] ||
        fail "the listing does not have 29 files"
    grep -q "^  size          $(stat -c %s "$setup") bytes\$" <<<"$out" || fail "no size of setup.exe"
    grep -q "^  SHA-256       $(sha256 "$setup")\$" <<<"$out" || fail "no SHA-256 of setup.exe"
    grep -Eq "^  own bytes     [0-9]+ " <<<"$out" || fail "no own bytes of setup.exe"
    # Folders it must refuse, each with what is wrong.
    rm "$payload/nvq3.cok" "$payload/riched32.dll"
    printf 'short' >"$payload/nvt.cok"
    if refused=$("$root/scripts/release.sh" "$payload" --build-dir "$first" 2>&1); then
        fail "a folder without nvq3.cok and riched32.dll was packed"
    fi
    echo "$refused"
    for problem in "riched32.dll is missing" "nvq3.cok is missing" \
        "nvt.cok has 5 bytes, too few to hold its version stamp"; do
        grep -q "$problem" <<<"$refused" || fail "the refusal does not say: $problem"
    done
    ;;
*)
    sed -n '2,15s/^# \{0,1\}//p' "$0" >&2
    exit 2
    ;;
esac
echo "passed: $step"

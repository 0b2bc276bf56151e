#!/usr/bin/env bash
# Runs one end-to-end scenario: nvdriver.exe works the real programs of the
# Windows build inside a throwaway Wine prefix, and this script exits with the
# driver's verdict (0 passed, 1 an expectation failed, 2 malformed scenario,
# 77 skipped).
#
#   tests/e2e/run_scenario.sh [--arch win64|win32] [--lang LOCALE] [--bin DIR]
#                             [--work DIR] [--setup FILE] [--prefix DIR]
#                             SCENARIO.nvs [NAME=VALUE...]
#
#   --arch  the prefix: a 64-bit Windows (default) or a 32-bit one
#   --lang  the Unix locale Wine takes the user locale and code page from
#           (default ru_RU.UTF-8; en_US.UTF-8 gives an English system)
#   --bin   the programs of the Windows build (default build/windows/bin)
#   --work  where prefix templates and runs live (default: the folder above --bin)
#   --setup the setup program the scenario starts as ${NV_SETUP} (default
#           BIN/setup_small.exe, the setup with the small stand-in payload,
#           else BIN/setup.exe); it is copied into the run as setup.exe
#   --prefix a prefix of the caller's, made from the template when missing and
#           left in place with its registry saved: the next run on it goes on
#           where this one ended (another locale, say)
#
# The scenario sees ${NV_BIN}, the Windows path of --bin, ${NV_SETUP}, the
# Windows path of the run's setup.exe, ${NV_PAYLOAD}, the folder of the packed
# stand-in data files, ${NV_PAYLOAD_KB}, the size of the installed files in
# KiB as the setup should record it, ${NV_FILE_COUNT}, how many files the
# product has, ${NV_TODAY}, the local date as YYYYMMDD,
# ${NV_SHOTS}, the folder for screenshots (kept under WORK/e2e-screenshots,
# converted to PNG when ImageMagick's convert is there), and every NAME=VALUE.
# A prefix is copied from a template made once per architecture with
# `wineboot -i` and kept under WORK/wine-templates; each run gets its own copy,
# its own wineserver and, without DISPLAY (or with NV_E2E_XVFB=1), its own Xvfb,
# so runs may go in parallel. NV_E2E_KEEP=1 keeps the run folder for a look.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
arch=win64
lang=ru_RU.UTF-8
bin=
work=
setup=
prefix=
while [ $# -gt 0 ]; do
    case "$1" in
        --arch) arch=$2; shift 2 ;;
        --lang) lang=$2; shift 2 ;;
        --bin) bin=$2; shift 2 ;;
        --work) work=$2; shift 2 ;;
        --setup) setup=$2; shift 2 ;;
        --prefix) prefix=$(realpath -m "$2"); shift 2 ;;
        -*) echo "unknown option $1" >&2; exit 2 ;;
        *) break ;;
    esac
done
if [ $# -lt 1 ]; then
    sed -n '2,30s/^# \{0,1\}//p' "$0" >&2
    exit 2
fi
case "$arch" in win64 | win32) ;; *) echo "--arch must be win64 or win32" >&2; exit 2 ;; esac
scenario=$(realpath "$1")
shift
bin=$(realpath "${bin:-$here/../../build/windows/bin}")
work=$(realpath "${work:-$bin/..}")

# shellcheck source=tests/e2e/wine_prefix.sh
source "$here/wine_prefix.sh"

for tool in wine wineserver; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/install-deps.sh)" >&2; exit 2; }
done
[ -f "$bin/nvdriver.exe" ] || { echo "no $bin/nvdriver.exe: build the windows preset first" >&2; exit 2; }
if [ -z "$setup" ]; then
    setup=$bin/setup_small.exe
    [ -f "$setup" ] || setup=$bin/setup.exe
fi
setup=$(realpath -m "$setup")
# The data files the setup packs: the small stand-ins go with setup_small.exe.
payload=$work/resources/payload/standins-small
[ "$(basename "$setup")" = setup_small.exe ] || payload=$work/resources/payload/standins-full

started=$(date +%s.%N)
mkdir -p "$work/e2e-runs"
run=$(mktemp -d "$work/e2e-runs/$(basename "$scenario" .nvs).$arch.XXXXXX")
xvfb_pid=
# shellcheck disable=SC2317 # called by the trap
cleanup() {
    # A prefix that outlives the run keeps what was written to its registry,
    # which only the wineserver's orderly end saves.
    if [ "$prefix" != "$run/prefix" ]; then WINEPREFIX="$prefix" timeout 60 wineserver -w 2>/dev/null || true; fi
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
    if [ "${NV_E2E_KEEP:-0}" = 1 ]; then echo "run folder kept: $run"; else rm -rf "$run"; fi
}
trap cleanup EXIT

if [ -z "$prefix" ]; then prefix=$run/prefix; fi
[ -d "$prefix" ] || nv_prefix_from_template "$work/wine-templates" "$arch" "$prefix"
copied=$(date +%s.%N)

if [ -z "${DISPLAY:-}" ] || [ "${NV_E2E_XVFB:-0}" = 1 ]; then
    nv_start_xvfb "$run"
    xvfb_pid=$nv_xvfb_pid
    export DISPLAY=$nv_xvfb_display
fi

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
export LANG="$lang" LC_ALL="$lang"
unset LANGUAGE
# Anything a Windows program writes to the user's own folders stays in the run.
export HOME="$run/home"
mkdir -p "$HOME"
NV_BIN=$(nv_windows_path "$bin")
export NV_BIN
# A setup that is missing is the scenario's to notice (it `require`s ${NV_SETUP}).
if [ -f "$setup" ]; then cp "$setup" "$run/setup.exe"; fi
NV_SETUP=$(nv_windows_path "$run/setup.exe")
NV_PAYLOAD=$(nv_windows_path "$payload")
export NV_SETUP NV_PAYLOAD
# What the installed files should add up to: the data files and the three
# programs the payload packs, summed here independently of the setup.
kib=0
if [ -d "$payload" ]; then
    kib=$(stat -c %s "$payload"/* "$bin/standin_product.exe" "$bin/uninstall.exe" \
        "$bin/standin_riched32.dll" 2>/dev/null | awk '{ s += $1 } END { printf "%d", s / 1024 }')
fi
NV_PAYLOAD_KB=$kib
# How many files the product has, from the one table of them.
NV_FILE_COUNT=$("$work/resources/payload/payload_gen" count)
NV_TODAY=$(date +%Y%m%d)
export NV_PAYLOAD_KB NV_FILE_COUNT NV_TODAY
# Screenshots a scenario takes land here, kept after the run.
NV_SHOTS=$(nv_windows_path "$work/e2e-screenshots/$(basename "$scenario" .nvs).$arch")
export NV_SHOTS

# The driver's working folder: one where no program named like a Wine tool
# (reg.exe, cmd.exe) can be lying around, since Wine would start it instead.
cd "$run"
status=0
# A hung program must not hold the test for ever: the waits of a scenario are
# far shorter than this limit.
timeout --kill-after=10 "${NV_E2E_TIMEOUT:-300}" \
    wine "$bin/nvdriver.exe" "$(nv_windows_path "$scenario")" "$@" || status=$?
finished=$(date +%s.%N)
shots=$work/e2e-screenshots/$(basename "$scenario" .nvs).$arch
if [ -d "$shots" ] && command -v convert >/dev/null; then
    for bmp in "$shots"/*.bmp; do
        [ -f "$bmp" ] || continue
        convert "$bmp" -trim +repage "${bmp%.bmp}.png" && rm -f "$bmp"
    done
fi

LC_ALL=C awk -v a="$started" -v b="$copied" -v c="$finished" -v what="$arch, $lang" \
    'BEGIN { printf "timing: prefix copy %.2f s, scenario %.2f s (%s)\n", b - a, c - b, what }'
exit "$status"

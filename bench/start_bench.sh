#!/usr/bin/env bash
# Times the setup's start, from CreateProcess to its form's window, under Wine
# in Windows 7 mode (a new prefix's) and in Windows 10 mode (`winecfg -v
# win10`, where the version query reports 6.2), side by side in one run, each
# beside a bare window program started the same way (bare_window.exe).
#
#   bench/start_bench.sh [RUNS] [SETUP]   (default 15 runs of build/windows/bin/setup_small.exe)
#
# Needs the windows build (window_start.exe, bare_window.exe). SETUP may be a
# setup program of another build, e.g. one of an earlier commit.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15}
bin=build/windows/bin
setup=$(realpath "${2:-$bin/setup_small.exe}")
[[ -f $bin/window_start.exe && -f $bin/bare_window.exe && -f $setup ]] ||
    { echo "build the windows build first" >&2; exit 1; }

# shellcheck source=tests/e2e/wine_prefix.sh
source tests/e2e/wine_prefix.sh
work=$(mktemp -d)
export WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
# Wine's programs run as a Russian user, so that the setup asks no language
# question before its form; this script's own sorting and figures stay in C.
russian=(env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8)
export LC_ALL=C
modes="win7 win10"
xvfb_pid=
cleanup() {
    for mode in $modes; do WINEPREFIX=$work/$mode wineserver -k 2>/dev/null || true; done
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Two copies of the end-to-end tests' prefix template; one switched to
# Windows 10 mode. Each gets the programs in C:\bench.
for mode in $modes; do
    nv_prefix_from_template "$PWD/build/windows/wine-templates" win64 "$work/$mode"
    mkdir -p "$work/$mode/drive_c/bench"
    cp "$setup" "$work/$mode/drive_c/bench/setup.exe"
    cp "$bin/bare_window.exe" "$bin/window_start.exe" "$work/$mode/drive_c/bench/"
done
env -u DISPLAY WINEPREFIX="$work/win10" "${russian[@]}" wine winecfg -v win10
WINEPREFIX="$work/win10" wineserver -w

# One display, and one running wineserver per prefix for every run, so that
# each run pays only for starting its programs.
Xvfb -displayfd 3 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
while [[ ! -s $work/display ]]; do sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
for mode in $modes; do WINEPREFIX=$work/$mode wineserver -p; done

measure() {
    WINEPREFIX=$work/$1 "${russian[@]}" wine 'C:\bench\window_start.exe' \
        NvBareWindow 'C:\bench\bare_window.exe' NorvelikFormWidget 'C:\bench\setup.exe'
}
# A first round that is not counted: the first start of a program in a
# prefix reads its files from the disk.
for mode in $modes; do measure "$mode" >/dev/null; done
for i in $(seq "$runs"); do
    # The modes take turns at going first.
    order=$modes
    ((i % 2 == 0)) && order="win10 win7"
    for mode in $order; do measure "$mode" >>"$work/$mode.out"; done
done

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
times() { sed -n "s/^C:.bench.$2 ms=\([0-9.]*\).*/\1/p" "$work/$1.out"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
declare -A bare form
echo "runs: $runs, setup: $setup"
echo "| mode | version query | bare window | setup form | form less bare window |"
echo "|---|---|---:|---:|---:|"
for mode in $modes; do
    bare[$mode]=$(times "$mode" bare_window.exe | median)
    form[$mode]=$(times "$mode" setup.exe | median)
    version=$(sed -n 's/^version //p' "$work/$mode.out" | sort -u | tr -d '\r' | paste -sd,)
    echo "| $mode | $version | ${bare[$mode]} ms | ${form[$mode]} ms |" \
        "$(awk -v a="${form[$mode]}" -v b="${bare[$mode]}" 'BEGIN {printf "%.1f", a - b}') ms |"
done
echo
echo "setup form, Windows 10 mode / Windows 7 mode: $(ratio "${form[win10]}" "${form[win7]}")" \
    "(bare window: $(ratio "${bare[win10]}" "${bare[win7]}"))"
for mode in $modes; do
    echo "$mode setup form, each run (ms): $(times "$mode" setup.exe | paste -sd' ')"
done

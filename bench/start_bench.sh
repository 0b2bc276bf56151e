#!/usr/bin/env bash
# Times the setup's start, from CreateProcess to its form's window, under Wine
# in Windows 7 mode (a new prefix's) and in Windows 10 mode (`winecfg -v
# win10`, where the version query reports 6.2), side by side in one run, each
# beside a bare window program started the same way (bare_window.exe).
#
#   bench/start_bench.sh [RUNS] [SETUP...]   (default 15 runs of build/windows/bin/setup_small.exe)
#
# Prints the medians and the fastest runs: on a shared machine the others'
# work slows whole stretches of runs, and the fastest run of each is the
# program's own cost. Needs the windows build (window_start.exe,
# bare_window.exe). Several SETUP programs (of other builds, e.g. of an
# earlier commit) are timed in the same rounds, one after the other, so that
# they meet the same machine.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15}
shift || true
bin=build/windows/bin
setups=()
for setup in "${@:-$bin/setup_small.exe}"; do setups+=("$(realpath "$setup")"); done
for file in "$bin/window_start.exe" "$bin/bare_window.exe" "${setups[@]}"; do
    [[ -f $file ]] || { echo "no $file: build the windows build first" >&2; exit 1; }
done

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
    cp "$bin/bare_window.exe" "$bin/window_start.exe" "$work/$mode/drive_c/bench/"
    # Each setup as setup.exe in a folder of its own, as a user would have it.
    for i in "${!setups[@]}"; do
        mkdir -p "$work/$mode/drive_c/bench/$i"
        cp "${setups[i]}" "$work/$mode/drive_c/bench/$i/setup.exe"
    done
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

programs=(NvBareWindow 'C:\bench\bare_window.exe')
for i in "${!setups[@]}"; do programs+=(NorvelikFormWidget "C:\\bench\\$i\\setup.exe"); done
measure() { WINEPREFIX=$work/$1 "${russian[@]}" wine 'C:\bench\window_start.exe' "${programs[@]}"; }
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
fastest() { sort -n | head -1; }
# The times of one program (its path in C:\bench) in one mode.
times() { grep -F "C:\\bench\\$2 ms=" "$work/$1.out" | sed 's/.* ms=//' | tr -d '\r'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
less() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.1f", a - b}'; }
declare -A median_of fastest_of
echo "runs: $runs"
for i in "${!setups[@]}"; do echo "setup $i: ${setups[i]}"; done
echo "| mode | version query | program | median | less the bare window | fastest | less the bare window |"
echo "|---|---|---|---:|---:|---:|---:|"
for mode in $modes; do
    version=$(sed -n 's/^version //p' "$work/$mode.out" | tr -d '\r' | sort -u | paste -sd,)
    median_of[$mode.bare]=$(times "$mode" bare_window.exe | median)
    fastest_of[$mode.bare]=$(times "$mode" bare_window.exe | fastest)
    echo "| $mode | $version | bare window | ${median_of[$mode.bare]} ms | |" \
        "${fastest_of[$mode.bare]} ms | |"
    for i in "${!setups[@]}"; do
        median_of[$mode.$i]=$(times "$mode" "$i\\setup.exe" | median)
        fastest_of[$mode.$i]=$(times "$mode" "$i\\setup.exe" | fastest)
        echo "| $mode | $version | setup $i, its form | ${median_of[$mode.$i]} ms |" \
            "$(less "${median_of[$mode.$i]}" "${median_of[$mode.bare]}") ms |" \
            "${fastest_of[$mode.$i]} ms | $(less "${fastest_of[$mode.$i]}" "${fastest_of[$mode.bare]}") ms |"
    done
done
echo
echo "Windows 10 mode / Windows 7 mode: bare window" \
    "$(ratio "${median_of[win10.bare]}" "${median_of[win7.bare]}") (medians)," \
    "$(ratio "${fastest_of[win10.bare]}" "${fastest_of[win7.bare]}") (fastest)"
for i in "${!setups[@]}"; do
    echo "Windows 10 mode / Windows 7 mode: setup $i's form" \
        "$(ratio "${median_of[win10.$i]}" "${median_of[win7.$i]}") (medians)," \
        "$(ratio "${fastest_of[win10.$i]}" "${fastest_of[win7.$i]}") (fastest)"
    for mode in $modes; do
        echo "  $mode, each run (ms): $(times "$mode" "$i\\setup.exe" | paste -sd' ')"
    done
done

#!/usr/bin/env bash
# Times the installation engine under Wine against a plain file copy and a
# stored NSIS installer of the same files, and reports memory and size.
# Memory is read the same way for every program: by peak_memory.exe, from
# the finished child's process handle.
#
#   bench/install_bench.sh [RUNS]          (default 5; needs the windows build)
#
# Environment: NV_BENCH_PREFIX, a Wine prefix to use (default: a new one,
# which takes about 20 s to make).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-5}
bin=build/windows/bin
probe=$bin/engine_probe.exe
launcher=$bin/peak_memory.exe
rc=build/windows/resources/payload/payload.rc
[[ -f $probe && -f $launcher && -f $rc && -f $bin/setup.exe ]] ||
    { echo "build the windows build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
if [[ -n ${NV_BENCH_PREFIX:-} ]]; then
    export WINEPREFIX=$NV_BENCH_PREFIX
else
    export WINEPREFIX=$work/prefix
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi
drive_c=$WINEPREFIX/drive_c

# One display and one running wineserver for every run, so that each run pays
# only for starting its program.
Xvfb -displayfd 3 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
trap 'wineserver -k 2>/dev/null; kill $xvfb_pid; rm -rf "$work"' EXIT
while [[ ! -s $work/display ]]; do sleep 0.1; done
display=$(cat "$work/display")
export DISPLAY=:$display
wineserver -p

# The payload's files under their installed names, from the resource script:
# NAME TYPE "path" becomes name.type (the product's executable: Norvelik.exe);
# the items' checksums name no file.
staging=$work/staging
mkdir -p "$staging"
payload_bytes=0
while read -r name type path; do
    [[ $name == //* || -z $name || $path != \"* ]] && continue
    path=${path//\"/}
    file="${name,,}.${type,,}"
    [[ $name == NORVELIK ]] && file=Norvelik.exe
    cp "$path" "$staging/$file"
    payload_bytes=$((payload_bytes + $(stat -c %s "$path")))
done <"$rc"
staging_win="Z:${staging//\//\\}"

makensis -V1 -DOUT="$work/stored.exe" -DSRC="$staging" bench/stored_installer.nsi
makensis -V1 -DPAGE -DOUT="$work/stored_page.exe" -DSRC="$staging" bench/stored_installer.nsi

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }
# Wall time of a Wine command in milliseconds.
wall_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

run_probe() { wine "$probe" "$@"; }
# Every measurement starts with no written data waiting for the disk, or the
# kernel's write-back of the previous run is billed to the next.
settle() { rm -rf "$drive_c/bench"; sync; }

steps="start text lookup check write exists move position ahead sleep test hide"
memories="install write nsis nsis_page"
for measure in install write copy paced_write paced_copy nsis nsis_ncrc start window check_share \
    unchecked_write checksums pauses; do
    : >"$work/$measure"
done
for measure in $memories; do : >"$work/memory_$measure"; done
for step in $steps; do : >"$work/step_$step"; done
for i in $(seq "$runs"); do
    settle
    out=$(run_probe install "C:\\bench\\in$i")
    echo "$out" | field ms >>"$work/install"
    # The installed bytes must be the payload's, file for file.
    for f in "$staging"/*; do cmp -s "$f" "$drive_c/bench/in$i/$(basename "$f")" ||
        { echo "installed $(basename "$f") differs" >&2; exit 1; }; done
    # The same file set step by step, each step timed on its own: where the
    # time beyond the writes goes, and how long the 29 sleeps really last.
    settle
    out=$(run_probe steps "C:\\bench\\st$i")
    for step in $steps; do echo "$out" | sed -n "s/.*\b$step=\([0-9.]*\).*/\1/p" >>"$work/step_$step"; done
    # The pauses' real duration: the sleeps and the checksums taken in them.
    awk -v s="$(tail -1 "$work/step_sleep")" -v a="$(tail -1 "$work/step_ahead")" \
        'BEGIN {print s + a}' >>"$work/pauses"
    # The same steps without the items' checksums: what the check costs the
    # file set beyond the pauses that it takes them in (the first item's,
    # and what the writes gain or lose), within one run.
    settle
    out=$(run_probe steps "C:\\bench\\su$i" --unchecked)
    echo "$out" | sed -n "s/.*\bwrite=\([0-9.]*\).*/\1/p" >>"$work/unchecked_write"
    awk -v c="$(tail -1 "$work/step_check")" -v w="$(tail -1 "$work/step_write")" \
        -v u="$(tail -1 "$work/unchecked_write")" \
        'BEGIN {printf "%.1f %.1f\n", c + w - u, 100 * (c + w - u) / u}' >>"$work/check_share"
    # The checksums alone, one after the other: their own cost, which the
    # file set pays inside its pauses.
    run_probe checksums | field ms >>"$work/checksums"
    settle
    run_probe write "C:\\bench\\wr$i" | field ms >>"$work/write"
    settle
    run_probe copy "$staging_win" "C:\\bench\\cp$i" | field ms >>"$work/copy"
    # The same writes and the same copy, each file followed by the file set's
    # 128 ms wait, timed without the waits: the same work spread over the
    # same seconds as the file set.
    settle
    run_probe write "C:\\bench\\pw$i" --paced | field ms >>"$work/paced_write"
    settle
    run_probe copy "$staging_win" "C:\\bench\\pc$i" --paced | field ms >>"$work/paced_copy"
    # The progress window's fixed cost: one small file under the window, less
    # its write and its one 128 ms wait.
    settle
    one=$(run_probe install "C:\\bench\\one$i" "nvq1.cok;" | field ms)
    settle
    one_write=$(run_probe write "C:\\bench\\onew$i" "nvq1.cok;" | field ms)
    awk -v a="$one" -v b="$one_write" 'BEGIN {print a - b - 128}' >>"$work/window"
    # An installer's time is its wall time less that of starting a program.
    settle
    wall_ms wine "$probe" copy "$staging_win" "C:\\bench\\empty" "" >>"$work/start"
    settle
    wall_ms wine "$work/stored.exe" /S "/D=C:\\bench\\ns$i" >>"$work/nsis"
    settle
    wall_ms wine "$work/stored.exe" /S /NCRC "/D=C:\\bench\\nc$i" >>"$work/nsis_ncrc"
    # Private memory, each program started by the launcher: the file set
    # under its window, the writes alone, NSIS silent and showing its page.
    settle
    wine "$launcher" "$probe" install "C:\\bench\\mi$i" | field peak_private >>"$work/memory_install"
    settle
    wine "$launcher" "$probe" write "C:\\bench\\mw$i" | field peak_private >>"$work/memory_write"
    settle
    wine "$launcher" "$work/stored.exe" /S "/D=C:\\bench\\mn$i" | field peak_private >>"$work/memory_nsis"
    settle
    wine "$launcher" "$work/stored_page.exe" "/D=C:\\bench\\mp$i" |
        field peak_private >>"$work/memory_nsis_page"
done
settle

waits_ms=$((29 * 128))
install=$(median <"$work/install")
write=$(median <"$work/write")
copy=$(median <"$work/copy")
paced_write=$(median <"$work/paced_write")
paced_copy=$(median <"$work/paced_copy")
start=$(median <"$work/start")
window=$(median <"$work/window")
less_waits=$(awk -v a="$install" -v w="$waits_ms" 'BEGIN {print a - w}')
slept=$(median <"$work/pauses")
less_slept=$(awk -v a="$install" -v w="$slept" 'BEGIN {print a - w}')
less_window=$(awk -v a="$less_waits" -v w="$window" 'BEGIN {print a - w}')
nsis=$(awk -v n="$(median <"$work/nsis")" -v s="$start" 'BEGIN {print n - s}')
nsis_ncrc=$(awk -v n="$(median <"$work/nsis_ncrc")" -v s="$start" 'BEGIN {print n - s}')
# A reading of 0 is a child that was gone before it could be read.
memory() { grep -v '^0*$' "$work/memory_$1" | median; }
setup_bytes=$(stat -c %s "$bin/setup.exe")

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
echo "runs: $runs, payload: $payload_bytes bytes in 29 files"
echo "| measure | median | ratio to plain copy |"
echo "|---|---:|---:|"
echo "| plain copy (CopyFileA) | $copy ms | 1.00 |"
echo "| plain copy, each file followed by a 128 ms wait (copies alone) | $paced_copy ms | $(ratio "$paced_copy" "$copy") |"
echo "| engine, whole file set | $install ms | $(ratio "$install" "$copy") |"
echo "| engine, file set less 29 x 128 ms waits | $less_waits ms | $(ratio "$less_waits" "$copy") |"
echo "| engine, file set less the 29 waits as long as they really last ($slept ms) | $less_slept ms | $(ratio "$less_slept" "$copy") |"
echo "| engine, file set less waits and the window's fixed cost ($window ms) | $less_window ms | $(ratio "$less_window" "$copy") |"
echo "| engine, writes alone (no window, no waits) | $write ms | $(ratio "$write" "$copy") |"
echo "| engine, writes alone, each followed by a 128 ms wait (writes alone) | $paced_write ms | $(ratio "$paced_write" "$copy") |"
echo "| stored NSIS installer, silent | $nsis ms | $(ratio "$nsis" "$copy") |"
echo "| stored NSIS installer, silent, /NCRC | $nsis_ncrc ms | $(ratio "$nsis_ncrc" "$copy") |"
echo
echo "Against the copy spread over the same seconds (each file followed by a 128 ms wait):"
echo "file set less 29 x 128 ms waits $(ratio "$less_waits" "$paced_copy"), writes alone spread the same way $(ratio "$paced_write" "$paced_copy")"
echo
echo "The file set's steps, summed over the 29 files (medians, ms):"
for step in $steps; do printf '%s=%s ' "$step" "$(median <"$work/step_$step")"; done
echo
echo "The items' checksum (CRC-32C, each taken in the pause before its write):" \
    "alone, one after the other, $(median <"$work/checksums") ms; in the file set" \
    "$(median <"$work/step_ahead") ms taken in the pauses, $(median <"$work/step_check") ms outside them," \
    "beside $(median <"$work/step_write") ms of writing;" \
    "the writes without it $(median <"$work/unchecked_write") ms; what it adds to them, per run:" \
    "$(awk '{printf "%s ms (%s %%); ", $1, $2}' "$work/check_share")" \
    "median $(cut -d' ' -f2 "$work/check_share" | median) % of the writes"
echo
echo "| other | value |"
echo "|---|---:|"
echo "| private memory (PeakPagefileUsage), engine, file set under its window | $(memory install) bytes |"
echo "| private memory, engine, writes alone | $(memory write) bytes |"
echo "| private memory, stored NSIS installer, silent | $(memory nsis) bytes |"
echo "| private memory, stored NSIS installer, showing its progress page | $(memory nsis_page) bytes |"
# Symbols are not shipped: the stripped sizes are the ones that count.
stripped_size() { cp "$1" "$work/stripped.exe"; i686-w64-mingw32-strip "$work/stripped.exe"; stat -c %s "$work/stripped.exe"; }
probe_bytes=$(stat -c %s "$probe")
echo "| setup.exe less payload (as built / stripped) | $((setup_bytes - payload_bytes)) / $(($(stripped_size "$bin/setup.exe") - payload_bytes)) bytes |"
echo "| engine_probe.exe less payload (as built / stripped) | $((probe_bytes - payload_bytes)) / $(($(stripped_size "$probe") - payload_bytes)) bytes |"
echo "| stored NSIS installer less payload | $(($(stat -c %s "$work/stored.exe") - payload_bytes)) bytes |"

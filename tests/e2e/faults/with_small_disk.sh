#!/usr/bin/env bash
# Runs one scenario with a small disk: a tmpfs of SIZE mounted on a fresh
# folder, which the scenario reaches as the drive ${NV_SMALL} ("S:") of the
# run's prefix. (Through Wine's Z: drive the mount would be a folder that is
# a mount point, which the setup rightly refuses as it refuses a junction.)
# Also hands it ${NV_NEED_MB}, the megabytes the small payload needs (rounded
# up), summed here apart from the setup. Exit 77 (skipped) where mounting is
# not permitted.
#
# With --fill-after NAME the disk is filled up as soon as the file NAME is in
# place in ${NV_SMALL}\Norvelik, as another program might fill it while the
# setup writes.
#
#   with_small_disk.sh SIZE [--fill-after NAME] RUN_SCENARIO_ARGS...
set -euo pipefail
size=$1
shift
fill_after=
if [ "${1:-}" = --fill-after ]; then
    fill_after=$2
    shift 2
fi
here=$(cd "$(dirname "$0")" && pwd)

# shellcheck source=../wine_prefix.sh
. "$here/../wine_prefix.sh"
# The runner's options find the payload and make the prefix.
nv_runner_options "$@"
small=$(nv_fault_folder small.XXXXXX "$@")
# mode=755: a tmpfs root every user may change is no place to install below.
if ! mount -t tmpfs -o "size=$size,mode=755" tmpfs "$small" 2>/dev/null; then
    rmdir "$small"
    echo "SKIP: a small tmpfs cannot be mounted here"
    exit 77
fi
prefix=$(nv_fault_folder prefix.XXXXXX "$@")
cleanup() {
    nv_stop_watchers
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    umount "$small" 2>/dev/null || true
    rmdir "$small" 2>/dev/null || true
    rm -rf "$prefix"
}
trap cleanup EXIT
rmdir "$prefix"
nv_prefix_from_template "$nv_work/wine-templates" "$nv_arch" "$prefix"
ln -sfn "$small" "$prefix/dosdevices/s:"

bytes=$(stat -c %s "$nv_work"/resources/payload/standins-small/* "$nv_bin/standin_product.exe" \
    "$nv_bin/uninstall.exe" "$nv_bin/standin_riched32.dll" | awk '{ s += $1 } END { printf "%d", s }')
need_mb=$(((bytes + 1048575) / 1048576))
windows_small="S:"

if [ -n "$fill_after" ]; then
    mkdir "$small/Norvelik"
    nv_on_file_event "$small/Norvelik" moved_to "$fill_after" \
        "dd if=/dev/zero of=\"$small/filler\" bs=64k 2>/dev/null; true"
fi

status=0
bash "$here/../run_scenario.sh" --prefix "$prefix" "$@" "NV_SMALL=$windows_small" \
    "NV_NEED_MB=$need_mb" || status=$?
exit "$status"

#!/usr/bin/env bash
# Runs one scenario with a small disk: a tmpfs of SIZE mounted on a fresh
# folder, which the scenario reaches as ${NV_SMALL} through Wine's Z: drive.
# Also hands it ${NV_NEED_MB}, the megabytes the small payload needs (rounded
# up), summed here apart from the setup. Exit 77 (skipped) where mounting is
# not permitted.
#
#   with_small_disk.sh SIZE RUN_SCENARIO_ARGS...
set -euo pipefail
size=$1
shift
here=$(cd "$(dirname "$0")" && pwd)

# --bin and --work as run_scenario.sh takes them, to find the payload.
bin=$here/../../../build/windows/bin
work=
args=("$@")
for ((i = 0; i < ${#args[@]} - 1; i++)); do
    case ${args[i]} in
        --bin) bin=${args[i + 1]} ;;
        --work) work=${args[i + 1]} ;;
    esac
done
[ -n "$work" ] || work=$bin/..

# shellcheck source=../wine_prefix.sh
. "$here/../wine_prefix.sh"
small=$(nv_fault_folder small.XXXXXX "$@")
# mode=755: a tmpfs root every user may change is no place to install below.
if ! mount -t tmpfs -o "size=$size,mode=755" tmpfs "$small" 2>/dev/null; then
    rmdir "$small"
    echo "SKIP: a small tmpfs cannot be mounted here"
    exit 77
fi
cleanup() {
    umount "$small" 2>/dev/null || true
    rmdir "$small" 2>/dev/null || true
}
trap cleanup EXIT

bytes=$(stat -c %s "$work"/resources/payload/standins-small/* "$bin/standin_product.exe" \
    "$bin/uninstall.exe" "$bin/standin_riched32.dll" | awk '{ s += $1 } END { printf "%d", s }')
need_mb=$(((bytes + 1048575) / 1048576))
windows_small="Z:${small//\//\\}"

status=0
bash "$here/../run_scenario.sh" "$@" "NV_SMALL=$windows_small" "NV_NEED_MB=$need_mb" || status=$?
exit "$status"

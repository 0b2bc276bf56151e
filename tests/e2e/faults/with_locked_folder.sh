#!/usr/bin/env bash
# Runs one scenario with an existing folder in which nothing can be created,
# as on a read-only medium: an empty folder made immutable (chattr +i, which
# stops even root), reached by the scenario as ${NV_LOCKED} through Wine's Z:
# drive. Its name holds the product word. Exit 77 (skipped) where chattr is
# missing or the file system does not take the flag.
#
#   with_locked_folder.sh RUN_SCENARIO_ARGS...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../wine_prefix.sh
. "$here/../wine_prefix.sh"

top=$(nv_fault_folder locked.XXXXXX "$@")
locked=$top/Norvelik
mkdir "$locked"
cleanup() {
    chattr -i "$locked" 2>/dev/null || true
    rm -rf "$top" 2>/dev/null || true
}
trap cleanup EXIT
if ! command -v chattr >/dev/null || ! chattr +i "$locked" 2>/dev/null ||
    touch "$locked/probe" 2>/dev/null; then
    echo "SKIP: no folder can be made immutable here"
    exit 77
fi

status=0
bash "$here/../run_scenario.sh" "$@" "NV_LOCKED=Z:${locked//\//\\}" || status=$?
exit "$status"

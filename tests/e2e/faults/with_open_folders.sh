#!/usr/bin/env bash
# Runs one scenario with folders that every user may change, made on the
# host and reached through Wine's Z: drive under ${NV_OPEN}: shared\ (mode
# 777, where any user may rename or replace what is in it) and
# program\Norvelik (an existing program folder of mode 777 below a folder
# only its owner may change). Wine reports the mode bits as the rights of
# Everyone.
#
#   with_open_folders.sh RUN_SCENARIO_ARGS...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../wine_prefix.sh
. "$here/../wine_prefix.sh"

top=$(nv_fault_folder open.XXXXXX "$@")
trap 'rm -rf "$top"' EXIT
mkdir -p "$top/shared" "$top/program/Norvelik"
chmod 777 "$top/shared" "$top/program/Norvelik"

status=0
bash "$here/../run_scenario.sh" "$@" "NV_OPEN=Z:${top//\//\\}" || status=$?
if ((status == 0)) && [ -n "$(ls -A "$top/shared")" ]; then
    echo "FAIL: something was made in the shared folder: $(ls -A "$top/shared")"
    status=1
fi
exit "$status"

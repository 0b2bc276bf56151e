#!/usr/bin/env bash
# Runs one scenario on a folder prepared the way a user without administrator
# rights can prepare a folder of their own before an elevated setup installs
# into it: symbolic links at the "~" names the setup writes its new copies
# under (to a file elsewhere, and to a file that does not exist yet), a second
# name (hard link) of a file elsewhere, a plain file, a folder, and a link at
# a final name. The scenario reaches the folder as ${NV_PLANTED} and the files
# the links point at as ${NV_OUTSIDE}, through Wine's Z: drive. Afterwards no
# link may be left at a "~" name (Wine cannot see a link to nothing).
#
#   with_planted_names.sh RUN_SCENARIO_ARGS...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../wine_prefix.sh
. "$here/../wine_prefix.sh"

top=$(nv_fault_folder planted.XXXXXX "$@")
trap 'rm -rf "$top"' EXIT
folder=$top/Norvelik
outside=$top/outside
mkdir -p "$folder" "$outside"
echo "outside file one" >"$outside/one.txt"
echo "outside file two" >"$outside/two.txt"
echo "outside file three" >"$outside/three.txt"
echo "outside file four" >"$outside/four.txt"
ln -s "$outside/one.txt" "$folder/~nvf.cok"
ln -s "$outside/two.txt" "$folder/~Norvelik.exe"
ln -s "$outside/never.txt" "$folder/~nvm2.cok"
ln "$outside/three.txt" "$folder/~nvm0.cok"
echo "a file of the user's" >"$folder/~nvm1.cok"
mkdir "$folder/~nvm3.cok"
ln -s "$outside/four.txt" "$folder/riched32.dll"

status=0
bash "$here/../run_scenario.sh" "$@" "NV_PLANTED=Z:${folder//\//\\}" \
    "NV_OUTSIDE=Z:${outside//\//\\}" || status=$?
if ((status == 0)); then
    left=$(find "$folder" -name '~*' -type l)
    if [[ -n $left ]]; then
        echo "FAIL: links left at the \"~\" names: $left"
        status=1
    fi
fi
exit "$status"

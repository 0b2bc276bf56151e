#!/usr/bin/env bash
# Runs one scenario on a damaged copy of setup_small.exe: one bit flipped in
# the middle of the payload item TYPE NAME (found through the PE resource
# table by damage_item). The scenario starts the copy as ${NV_SETUP}, and a
# sound copy as ${NV_SOUND_SETUP}.
#
#   with_damaged_item.sh DAMAGE_ITEM TYPE NAME RUN_SCENARIO_ARGS...
set -euo pipefail
tool=$1 type=$2 name=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)

bin=$here/../../../build/windows/bin
args=("$@")
for ((i = 0; i < ${#args[@]} - 1; i++)); do
    [[ ${args[i]} == --bin ]] && bin=${args[i + 1]}
done

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
# Named as the sound one, so that the run compares with the small payload.
at=$("$tool" "$bin/setup_small.exe" "$copy/setup_small.exe" "$type" "$name")
echo "damaged $type $name: byte $at of setup_small.exe flipped"
mkdir "$copy/sound"
cp "$bin/setup_small.exe" "$copy/sound/setup.exe"
sound=$copy/sound/setup.exe
bash "$here/../run_scenario.sh" --setup "$copy/setup_small.exe" "$@" "NV_SOUND_SETUP=Z:${sound//\//\\}"

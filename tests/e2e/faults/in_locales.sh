#!/usr/bin/env bash
# Runs scenarios one after the other on one Wine prefix, each under its own
# locale (and so its own ANSI code page): what one leaves on the machine is
# what the next finds. Stops at the first that does not pass, with its verdict.
#
#   in_locales.sh LOCALE SCENARIO [LOCALE SCENARIO...] -- RUN_SCENARIO_ARGS...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runs=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    runs+=("$1" "$2")
    shift 2
done
[ $# -gt 0 ] && shift

prefix=$(mktemp -d)
rmdir "$prefix"
trap 'rm -rf "$prefix"' EXIT
for ((i = 0; i < ${#runs[@]}; i += 2)); do
    bash "$here/../run_scenario.sh" --lang "${runs[i]}" --prefix "$prefix" "$@" "${runs[i + 1]}"
done

#!/usr/bin/env bash
# Runs one scenario in a prefix switched to Windows 10 mode (`winecfg -v
# win10`), where the version query reports 6.2 to a program without a
# compatibility manifest, as Windows 8 and later do.
#
#   in_windows10_mode.sh [--mark-system-interpreter] RUN_SCENARIO_ARGS...
#
# --mark-system-interpreter puts the planted program (nv_planted_program.exe_
# of --bin) in the place of cmd.exe in the system folder as 32-bit programs
# see it (syswow64 in a 64-bit prefix), so that a run of the system's
# interpreter leaves C:\windows\system32\cmd.exe.ran with its command line.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

mark=0
if [ "${1:-}" = --mark-system-interpreter ]; then
    mark=1
    shift
fi
# shellcheck source=tests/e2e/wine_prefix.sh
source "$here/../wine_prefix.sh"
# The runner's own options say where the template and the programs are.
nv_runner_options "$@"
top=$(mktemp -d)
prefix=$top/prefix
trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; rm -rf "$top"' EXIT
nv_prefix_from_template "$nv_work/wine-templates" "$nv_arch" "$prefix"

env -u DISPLAY WINEPREFIX="$prefix" WINEDEBUG=-all \
    WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml=" wine winecfg -v win10
WINEPREFIX="$prefix" wineserver -w

if ((mark)); then
    system=$prefix/drive_c/windows/syswow64
    [ "$nv_arch" = win32 ] && system=$prefix/drive_c/windows/system32
    # The prefix shares its program images with the template by hard links:
    # the name is removed first, so that the template keeps Wine's cmd.exe.
    rm -f "$system/cmd.exe"
    cp "$nv_bin/nv_planted_program.exe_" "$system/cmd.exe"
fi

bash "$here/../run_scenario.sh" --prefix "$prefix" "$@"

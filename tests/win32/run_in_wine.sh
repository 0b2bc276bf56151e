#!/usr/bin/env bash
# Runs a Windows test program under Wine in a new prefix of its own, on a
# virtual display, with a Russian user locale, and passes its exit code on.
#   run_in_wine.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail

prefix=$(mktemp -d)
cleanup() {
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
}
trap cleanup EXIT

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# No desktop entries on the Linux side, no offers to install Mono or Gecko,
# and a crashing program ends instead of waiting in the debugger.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;winedbg.exe=d;mscoree=;mshtml="
export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8

status=0
xvfb-run -a wine "$@" || status=$?
exit "$status"

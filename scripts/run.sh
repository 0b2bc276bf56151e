#!/usr/bin/env bash
# Builds setup.exe and runs it under Wine in a prefix of its own that is kept
# between runs (build/wine-run/ARCH), so what one run installed is there for
# the next. With DISPLAY set the setup appears on that display; without it the
# run happens on a private Xvfb, where nobody can answer a window, so it is
# given NV_RUN_TIMEOUT seconds (default 60) and then ended.
#
#   scripts/run.sh [--lang LOCALE] [--arch win64|win32] [--no-build] [--fresh]
#
#   --lang      default ru_RU.UTF-8; en_US.UTF-8 gives an English system
#   --arch      a 64-bit (default) or a 32-bit Windows
#   --no-build  run what was built last
#   --fresh     throw the kept prefix away first
#
# Look at the prefix afterwards with e.g.
#   WINEPREFIX=build/wine-run/win64 /usr/lib/wine/wine64 reg query 'HKLM\Software\...'
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

lang=ru_RU.UTF-8
arch=win64
build=1
fresh=0
while [ $# -gt 0 ]; do
    case "$1" in
        --lang) lang=$2; shift 2 ;;
        --arch) arch=$2; shift 2 ;;
        --no-build) build=0; shift ;;
        --fresh) fresh=1; shift ;;
        *) sed -n '2,18s/^# \{0,1\}//p' "$0" >&2; exit 2 ;;
    esac
done
case "$arch" in win64 | win32) ;; *) echo "--arch must be win64 or win32" >&2; exit 2 ;; esac

# shellcheck source=tests/e2e/wine_prefix.sh
source tests/e2e/wine_prefix.sh

if [ "$build" = 1 ]; then scripts/build.sh; fi
setup="$root/build/windows/bin/setup.exe"
[ -f "$setup" ] || { echo "no $setup: build first" >&2; exit 2; }

prefix="$root/build/wine-run/$arch"
if [ "$fresh" = 1 ]; then
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
fi
if [ ! -d "$prefix" ]; then
    mkdir -p "$(dirname "$prefix")"
    # A prefix that lives on gets full copies, sharing nothing with the template.
    NV_E2E_FULL_COPY=1 nv_prefix_from_template "$root/build/windows/wine-templates" "$arch" "$prefix"
    if [ -n "${DISPLAY:-}" ]; then
        # The template's windows go without a window manager; on a desktop let it frame them.
        WINEPREFIX="$prefix" WINEDEBUG=-all wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
    fi
fi

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
export LANG="$lang" LC_ALL="$lang"
unset LANGUAGE

limit=()
xvfb_pid=
if [ -z "${DISPLAY:-}" ]; then
    scratch=$(mktemp -d)
    nv_start_xvfb "$scratch"
    xvfb_pid=$nv_xvfb_pid
    export DISPLAY=$nv_xvfb_display
    limit=(timeout --kill-after=5 "${NV_RUN_TIMEOUT:-60}")
    trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT
    echo "no DISPLAY: running on Xvfb $DISPLAY, ended after ${NV_RUN_TIMEOUT:-60} s"
fi

echo "running $setup in $prefix ($arch, $lang)"
status=0
(cd "$(dirname "$setup")" && "${limit[@]}" wine "$setup") || status=$?
if [ "$status" = 124 ] || [ "$status" = 137 ]; then
    echo "setup.exe was still running after ${NV_RUN_TIMEOUT:-60} s (a window waiting for an answer?) and was ended"
else
    echo "setup.exe exit code: $status"
fi
# Let the registry reach the prefix's files, so the next look at them sees this run.
timeout 15 env WINEPREFIX="$prefix" wineserver -w || true
exit "$status"

#!/usr/bin/env bash
# Builds setup.exe and installs the product with it under Wine, in a prefix of
# its own under build/wine-run/ARCH.
#
# With DISPLAY set the setup appears on that display and you go through it
# yourself; the prefix is kept between runs, so what one run installed is there
# for the next. Without a display the run happens on a private Xvfb in a fresh
# prefix, and the test driver walks through the setup as a user would
# (tests/e2e/scenarios/walkthrough.nvs): it ticks the consent, goes to the
# settings, provokes the folder warning, installs into the offered folder and
# answers the completion message, saving a screenshot of each step in
# build/run/screenshots/. Either way the script then prints what got
# installed: the program folder, the uninstall entry and the shortcuts.
#
#   scripts/run.sh [--lang LOCALE] [--arch win64|win32] [--no-build] [--fresh]
#
#   --lang      default ru_RU.UTF-8; en_US.UTF-8 gives an English system
#   --arch      a 64-bit (default) or a 32-bit Windows
#   --no-build  run what was built last (and install nothing)
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
        *) sed -n '2,24s/^# \{0,1\}//p' "$0" >&2; exit 2 ;;
    esac
done
case "$arch" in win64 | win32) ;; *) echo "--arch must be win64 or win32" >&2; exit 2 ;; esac

if [ "$build" = 1 ]; then
    scripts/install-deps.sh
    scripts/build.sh
fi

# shellcheck source=tests/e2e/wine_prefix.sh
source tests/e2e/wine_prefix.sh

bin="$root/build/windows/bin"
setup="$bin/setup.exe"
[ -f "$setup" ] || { echo "no $setup: build first" >&2; exit 2; }
interactive=1
if [ -z "${DISPLAY:-}" ]; then
    interactive=0
    # Nobody can answer a window left over from an earlier run: start clean.
    fresh=1
    [ -f "$bin/nvdriver.exe" ] || { echo "no $bin/nvdriver.exe: build first" >&2; exit 2; }
fi

prefix="$root/build/wine-run/$arch"
if [ "$fresh" = 1 ]; then
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
fi
if [ ! -d "$prefix" ]; then
    mkdir -p "$(dirname "$prefix")"
    # A prefix that lives on gets full copies, sharing nothing with the template.
    NV_E2E_FULL_COPY=1 nv_prefix_from_template "$root/build/windows/wine-templates" "$arch" "$prefix"
    if [ "$interactive" = 1 ]; then
        # The template's windows go without a window manager; on a desktop let it frame them.
        WINEPREFIX="$prefix" WINEDEBUG=-all wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
    fi
fi

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
export LANG="$lang" LC_ALL="$lang"
unset LANGUAGE

status=0
if [ "$interactive" = 1 ]; then
    echo "running $setup in $prefix ($arch, $lang)"
    (cd "$bin" && wine "$setup") || status=$?
    echo "setup.exe exit code: $status"
else
    run="$root/build/run"
    shots="$run/screenshots"
    rm -rf "$shots"
    mkdir -p "$shots"
    nv_start_xvfb "$run"
    xvfb_pid=$nv_xvfb_pid
    export DISPLAY=$nv_xvfb_display
    trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true' EXIT
    echo "no DISPLAY: walking through $setup on Xvfb $DISPLAY ($arch, $lang)"
    # The driver runs in a folder of its own: Wine would start a reg.exe or
    # cmd.exe lying in the working folder instead of its own tools.
    (cd "$run" && timeout --kill-after=10 "${NV_RUN_TIMEOUT:-300}" \
        wine "$bin/nvdriver.exe" "$(nv_windows_path "$root/tests/e2e/scenarios/walkthrough.nvs")" \
        "NV_SETUP=$(nv_windows_path "$setup")" "NV_SHOTS=$(nv_windows_path "$shots")") ||
        status=$?
    if command -v convert >/dev/null; then
        for bmp in "$shots"/*.bmp; do
            [ -f "$bmp" ] || continue
            convert "$bmp" -trim +repage "${bmp%.bmp}.png" && rm -f "$bmp"
        done
    fi
    echo "walkthrough: $([ "$status" = 0 ] && echo passed || echo "failed ($status)");" \
        "screenshots in ${shots#"$root"/}:"
    ls "$shots"
fi

# What the setup left behind, as the driver reads it from inside the prefix.
echo
(cd "${run:-$bin}" && wine "$bin/nvdriver.exe" \
    "$(nv_windows_path "$root/scripts/run/show_installation.nvs")" 2>&1 | grep -v '^> ') || true
# Let the registry reach the prefix's files, so the next look at them sees this run.
timeout 15 env WINEPREFIX="$prefix" wineserver -w || true
exit "$status"

#!/usr/bin/env bash
# The engine with the real Win32 layer under Wine. Every installed file must
# hold the payload's bytes (or, where the engine keeps an installed copy,
# that copy's), no "~" file may stay behind, and the user must be told
# exactly what the engine says it tells.
#
#   check_engine_probe.sh BINDIR RESOURCE_SCRIPT
#
# Environment: NV_WINE_PREFIX_TEMPLATE, a booted prefix to copy (saves ~20 s).
set -uo pipefail
bin=$1
rc=$2
probe=$bin/engine_probe.exe

work=$(mktemp -d)
export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8  # English mode
export WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d WINEPREFIX=$work/prefix
if [[ -n ${NV_WINE_PREFIX_TEMPLATE:-} ]]; then
    cp -a "$NV_WINE_PREFIX_TEMPLATE" "$WINEPREFIX"
fi
Xvfb -displayfd 3 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
small=$work/small
cleanup() {
    wineserver -k 2>/dev/null
    mountpoint -q "$small" && umount "$small"
    kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
while [[ ! -s $work/display ]]; do sleep 0.1; done
display=$(cat "$work/display")
export DISPLAY=:$display
[[ -d $WINEPREFIX/drive_c ]] || wineboot -i >/dev/null 2>&1
folder=$WINEPREFIX/drive_c/NV

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The installed file names and the files packed for them.
# shellcheck source=tests/e2e/payload_sources.sh
source "$(dirname "${BASH_SOURCE[0]}")/../payload_sources.sh"
read_payload_sources "$rc"

# Runs the probe; its output (boxes and the result line) lands in $out, its
# CP1251 texts made UTF-8 like this script.
probe() { out=$(wine "$probe" "$@" 2>/dev/null | tr -d '\r' | iconv -f cp1251 -t utf-8); }
boxes() { grep -a '^box ' <<<"$out"; }
expect_boxes() {
    local what=$1 expected=$2
    [[ $(boxes) == "$expected" ]] || fail "$what: boxes were [$(boxes)], expected [$expected]"
}
expect_no_tilde() {
    [[ -z $(find "$1" -name '~*') ]] || fail "$2: a ~ file stayed behind"
}
# A copy of nvf.cok's first bytes with another stamp.
data_file_with_stamp() {
    head -c 4096 "${source[nvf.cok]}" >"$2"
    printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8)))" |
        dd of="$2" bs=1 seek=5 conv=notrunc 2>/dev/null
}

probe install 'C:\NV'
expect_boxes "fresh folder" ""
for file in "${!source[@]}"; do
    cmp -s "${source[$file]}" "$folder/$file" || fail "fresh folder: $file differs from the payload"
done
expect_no_tilde "$folder" "fresh folder"

# Over an installed copy: equal stamps replace unasked, programs are replaced.
printf 'changed' >"$folder/uninstall.exe"
probe install 'C:\NV'
expect_boxes "installed over itself" ""
cmp -s "${source[uninstall.exe]}" "$folder/uninstall.exe" || fail "uninstall.exe not replaced"
expect_no_tilde "$folder" "installed over itself"

# A newer installed data file: asked about; No keeps it, Yes replaces it.
question='box caption=Sound question text=C:\NV\nvf.cok file installing is of older version|than the same already installed.||Do you really want to replace existing|new file version 999 with an older file version 367? buttons=&Yes|&No'
data_file_with_stamp 999 "$work/newer.cok"
cp "$work/newer.cok" "$folder/nvf.cok"
probe install 'C:\NV' 'nvf.cok;' --decline
expect_boxes "declined older copy" "$question"
cmp -s "$work/newer.cok" "$folder/nvf.cok" || fail "declined older copy: installed copy changed"
expect_no_tilde "$folder" "declined older copy"
probe install 'C:\NV' 'nvf.cok;'
expect_boxes "accepted older copy" "$question"
cmp -s "${source[nvf.cok]}" "$folder/nvf.cok" || fail "accepted older copy: not installed"

# The same question in Russian mode, with Russian buttons.
cp "$work/newer.cok" "$folder/nvf.cok"
LC_ALL=ru_RU.UTF-8 LANG=ru_RU.UTF-8 probe install 'C:\NV' 'nvf.cok;' --decline
expect_boxes "declined older copy, Russian" 'box caption=Резонный вопрос text=Устанавливаемый файл C:\NV\nvf.cok|более старой версии, чем уже установленный.||Действительно ли Вы хотите заменить уже имеющийся|файл версии 999 на более старый версии 367? buttons=&Да|&Нет'
cmp -s "$work/newer.cok" "$folder/nvf.cok" || fail "declined older copy, Russian: installed copy changed"

# The progress window as the system sees it: the window and its controls
# where and as they are meant to be, one window however often it is shown.
probe window
window_line=$(grep -a '^window ' <<<"$out")
style=$((16#$(sed -n 's/.* style=\([0-9a-f]*\).*/\1/p' <<<"$window_line")))
exstyle=$((16#$(sed -n 's/.*exstyle=\([0-9a-f]*\).*/\1/p' <<<"$window_line")))
((style & 0x00400000)) || fail "window: no dialog frame in style $style"
((style & 0x00080000)) && fail "window: it has a system menu"
(((exstyle & 0x00020009) == 0x00020009)) || fail "window: extended style $exstyle"
read -r screen_w screen_h < <(sed -n 's/^screen=\([0-9]*\)x\([0-9]*\)/\1 \2/p' <<<"$out")
expected_place="x=$(((screen_w - 408) / 2)) y=$(((screen_h - 76) / 2)) w=408 h=76 caption=First caption"
[[ $window_line == *"$expected_place" ]] || fail "window: [$window_line], expected [$expected_place]"
for line in "up=1" "class style=0203 extra=4,4" \
    "child=Static style=50000000 x=2 y=2 w=399 h=20 id=0 text=first text" \
    "child=msctls_progress32 style=50040000 x=2 y=24 w=400 h=20 id=0 text=" \
    "range=29 position=7" "hidden=1" "shown again=1 caption=" "text=" "windows=1"; do
    grep -aqxF "$line" <<<"$out" || fail "window: no line [$line] in [$out]"
done

# An item the payload lacks: reported by path, then by name after the wait.
probe install 'C:\NV' 'nvx.cok;'
expect_boxes "missing item" $'box caption=Норвелик text=Can\'t install file C:\\NV\\nvx.cok\nbox caption=Норвелик text=Can\'t install file nvx.cok'

# The disk fills up while a data file is replaced: the old copy stays whole.
mkdir -p "$small"
if mount -t tmpfs -o size=2m tmpfs "$small" 2>/dev/null; then
    ln -sfn "$small" "$WINEPREFIX/dosdevices/f:"
    data_file_with_stamp 1 "$work/old.cok"
    cp "$work/old.cok" "$small/nvf.cok"
    probe install 'F:\' 'nvf.cok;'
    expect_boxes "full disk" "box caption=Норвелик text=Can't install file F:\\nvf.cok"
    cmp -s "$work/old.cok" "$small/nvf.cok" || fail "full disk: the installed copy was changed"
    expect_no_tilde "$small" "full disk"
else
    echo "SKIP: full disk (cannot mount a small tmpfs here)"
fi

((failures == 0)) || exit 1
echo "engine probe: all checks passed"

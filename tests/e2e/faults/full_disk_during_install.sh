#!/usr/bin/env bash
# The disk fills up while the product's files are installed over an earlier
# installation (the engine with the real Win32 layer, through engine_probe):
# each file that no longer fits is reported by its path, its earlier copy
# stays whole, every other file is the new copy, and no "~" file is left.
# Then an installed file the file system will not let anyone change.
# Exit 77 (skipped) where a small tmpfs cannot be mounted.
#
#   full_disk_during_install.sh BINDIR RESOURCE_SCRIPT
set -uo pipefail
bin=$1
rc=$2
probe=$bin/engine_probe.exe

work=$(mktemp -d)
small=$work/small
mkdir -p "$small"
if ! mount -t tmpfs -o size=24m tmpfs "$small" 2>/dev/null; then
    rm -rf "$work"
    echo "SKIP: a small tmpfs cannot be mounted here"
    exit 77
fi
export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8
export WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d WINEPREFIX=$work/prefix
if [[ -n ${NV_WINE_PREFIX_TEMPLATE:-} ]]; then
    cp -a "$NV_WINE_PREFIX_TEMPLATE" "$WINEPREFIX"
fi
Xvfb -displayfd 3 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
cleanup() {
    wineserver -k 2>/dev/null
    umount "$small" 2>/dev/null
    kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
while [[ ! -s $work/display ]]; do sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
[[ -d $WINEPREFIX/drive_c ]] || wineboot -i >/dev/null 2>&1
ln -sfn "$small" "$WINEPREFIX/dosdevices/f:"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The installed file names and the files packed for them.
# shellcheck source=tests/e2e/payload_sources.sh
source "$(dirname "${BASH_SOURCE[0]}")/../payload_sources.sh"
read_payload_sources "$rc"

# The earlier installation: short copies, data files with the stamp 1 so that
# no older-version question comes up.
mkdir -p "$work/earlier"
for file in "${!source[@]}"; do
    copy=$work/earlier/$file
    head -c 3000 "${source[$file]}" >"$copy"
    [[ $file == *.cok ]] && printf '\x01\x00' | dd of="$copy" bs=1 seek=5 conv=notrunc 2>/dev/null
    cp "$copy" "$small/$file"
done

out=$(wine "$probe" install 'F:\' 2>/dev/null | tr -d '\r' | iconv -f cp1251 -t utf-8)
boxes=$(grep -a '^box ' <<<"$out")
echo "$boxes"

reported=0
installed=0
for file in "${!source[@]}"; do
    if cmp -s "${source[$file]}" "$small/$file"; then
        installed=$((installed + 1))
        grep -qF "Can't install file F:\\$file" <<<"$boxes" && fail "$file installed and reported"
    elif cmp -s "$work/earlier/$file" "$small/$file"; then
        reported=$((reported + 1))
        grep -qxF "box caption=Норвелик text=Can't install file F:\\$file" <<<"$boxes" ||
            fail "$file kept its earlier copy without a message"
    else
        fail "$file is neither the new copy nor the earlier one"
    fi
done
[[ -z $(find "$small" -name '~*') ]] || fail "a ~ file stayed behind: $(find "$small" -name '~*')"
((reported > 0)) || fail "the disk never filled up (make the tmpfs smaller)"
[[ $(grep -c . <<<"$boxes") == "$reported" ]] || fail "boxes other than one per kept file"
echo "installed $installed, kept and reported $reported"

# An installed file the file system refuses to change (immutable): reported,
# kept whole, no "~" file; where the flag cannot be set, this part is skipped.
folder=$WINEPREFIX/drive_c/NV
mkdir -p "$folder"
cp "$work/earlier/nvf.cok" "$folder/nvf.cok"
if chattr +i "$folder/nvf.cok" 2>/dev/null; then
    out=$(wine "$probe" install 'C:\NV' 'nvf.cok;' 2>/dev/null | tr -d '\r' | iconv -f cp1251 -t utf-8)
    chattr -i "$folder/nvf.cok"
    [[ $(grep -a '^box ' <<<"$out") == "box caption=Норвелик text=Can't install file C:\NV\nvf.cok" ]] ||
        fail "immutable file: boxes [$(grep -a '^box ' <<<"$out")]"
    cmp -s "$work/earlier/nvf.cok" "$folder/nvf.cok" || fail "immutable file: the earlier copy changed"
    [[ -z $(find "$folder" -name '~*') ]] || fail "immutable file: a ~ file stayed behind"
    echo "immutable file: checked"
else
    echo "SKIP: immutable file (chattr +i not supported here)"
fi
((failures == 0)) || exit 1
echo "full disk during the installation: all checks passed"

#!/usr/bin/env bash
# Checks that the layers point one way: README.md's "Where things live" table
# lists the source folders from the bottom up, and no source under src/ or
# programs/ includes a header of a folder listed after its own. Where the
# table has a "linked into" column, naming the programs each layer is linked
# into, a layer may include only layers linked into every program it is
# linked into: an include the program's link would reject fails here, not
# in the Windows build. Also: the headers of src/platform/win32/ are its
# own, and only it includes windows.h.
# Unit tests (*_test.cpp) may reach the fakes and fixtures and are not checked.
# Usage: check_layers.sh REPO_ROOT. Prints each violation; exit 1 if any.
set -euo pipefail
root=$1
cd "$root"

# The layer folders, bottom first: the backquoted src/ and programs/ paths of
# the table under "## Where things live".
mapfile -t layers < <(awk '/^## Where things live/{on=1; next} /^## /{on=0} on' README.md |
    sed -n 's/^| `\(\(src\|programs\)\/[^`]*\)` |.*/\1/p' | sed 's#/*$##')
if [ "${#layers[@]}" -eq 0 ]; then
    echo "README.md lists no layer folders under 'Where things live'"
    exit 1
fi
# The programs of each layer, in the order of the layers: the "linked into"
# cell with its commas as blanks; "*" where the table has no such column.
mapfile -t linked < <(awk -F'|' '
    /^## Where things live/ { on = 1; next }
    /^## / { on = 0 }
    !on { next }
    /^\| *folder *\|/ { column = 0; for (i = 2; i < NF; ++i) if ($i ~ /linked into/) column = i; next }
    /^\| `(src|programs)\// {
        cell = column ? $column : "*"
        gsub(/[,`]/, " ", cell); gsub(/^ +| +$/, "", cell); gsub(/ +/, " ", cell)
        print (cell == "" ? "*" : cell)
    }' README.md)

# True when every program of layer $1 is one of layer $2's.
linked_with() {
    local program
    [ "${linked[$2]}" = "*" ] && return 0
    [ "${linked[$1]}" = "*" ] && return 1
    for program in ${linked[$1]}; do
        case " ${linked[$2]} " in *" $program "*) ;; *) return 1 ;; esac
    done
}

# rank_of PATH: the position of the longest listed folder that holds PATH, or
# nothing when no listed folder does.
rank_of() {
    local path=$1 best=-1 best_len=0 i
    for i in "${!layers[@]}"; do
        case "$path" in
        "${layers[$i]}"/*)
            if [ "${#layers[$i]}" -gt "$best_len" ]; then best=$i; best_len=${#layers[$i]}; fi ;;
        esac
    done
    [ "$best" -ge 0 ] && echo "$best"
}

violations=0
fail() { echo "$*"; violations=$((violations + 1)); }

while IFS= read -r file; do
    own=$(rank_of "$file") || true
    if [ -z "$own" ]; then
        fail "$file: its folder is not a layer of README.md's table"
        continue
    fi
    dir=$(dirname "$file")
    while IFS= read -r line; do
        header=$(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' <<<"$line")
        system=$(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*<\([^>]*\)>.*/\1/p' <<<"$line")
        if [ -n "$system" ]; then
            case "${system,,}" in
            windows.h | winreg.h | commctrl.h | shlobj.h | shellapi.h | objbase.h | psapi.h)
                case "$file" in
                src/platform/win32/*) ;;
                *) fail "$file includes <$system>: only src/platform/win32/ may" ;;
                esac ;;
            esac
            continue
        fi
        [ -n "$header" ] || continue
        if [ -f "$dir/$header" ]; then
            target="$dir/$header"
        elif [ -f "src/$header" ]; then
            target="src/$header"
        else
            fail "$file includes \"$header\", which is no source of the tree"
            continue
        fi
        target=$(realpath --relative-to=. "$target")
        case "$target" in
        src/platform/win32/*)
            case "$file" in
            src/platform/win32/*) ;;
            *) fail "$file includes $target: the Win32 side's headers are its own" ;;
            esac ;;
        esac
        theirs=$(rank_of "$target") || true
        if [ -n "$theirs" ] && [ "$theirs" -gt "$own" ]; then
            fail "$file (${layers[$own]}) includes $target of the higher layer ${layers[$theirs]}"
        elif [ -n "$theirs" ] && ! linked_with "$own" "$theirs"; then
            fail "$file (${layers[$own]}, linked into ${linked[$own]}) includes $target of" \
                "${layers[$theirs]}, linked into ${linked[$theirs]} only"
        fi
    done < <(grep -E '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(find src programs -type f \( -name "*.cpp" -o -name "*.h" \) ! -name "*_test.cpp" 2>/dev/null | sort)

if [ "$violations" -gt 0 ]; then
    echo "FAIL: $violations include(s) against the layers (${layers[*]})"
    exit 1
fi
echo "layers hold: ${layers[*]}"

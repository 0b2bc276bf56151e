#!/usr/bin/env bash
# Builds the fuzz programs of the readers of outside data (build/fuzz, clang
# with libFuzzer and the address and undefined-behaviour checkers) and runs
# each one for a bounded time on its kept inputs. Not part of scripts/test.sh.
#
#   scripts/fuzz.sh [--seconds N] [--merge]
#
#   --seconds  how long each program runs (default 30)
#   --merge    afterwards, add what the run found that reaches new code to
#              tests/fuzz/corpus/<target> (review and commit the new inputs)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=30
merge=0
while [ $# -gt 0 ]; do
    case "$1" in
        --seconds) seconds=$2; shift 2 ;;
        --merge) merge=1; shift ;;
        *) sed -n '2,10s/^# \{0,1\}//p' "$0" >&2; exit 2 ;;
    esac
done
case "$seconds" in '' | *[!0-9]*) echo "--seconds takes a whole number" >&2; exit 2 ;; esac

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
need=()
# libFuzzer and the sanitizer runtimes come with the compiler-rt package.
for pkg in clang libclang-rt-dev cmake ninja-build; do
    have "$pkg" || need+=("$pkg")
done
if [ "${#need[@]}" -gt 0 ]; then
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

cmake --preset fuzz -DNV_FUZZ_SECONDS="$seconds" >/dev/null
cmake --build --preset fuzz -j2
status=0
ctest --preset fuzz -L fuzz --verbose 2>&1 | tee build/fuzz/last-run.log |
    grep -E '^[0-9]+: (Done [0-9]+ runs|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)|tests passed|Test #' ||
    true
grep -q '100% tests passed' build/fuzz/last-run.log || status=1

if [ "$merge" = 1 ]; then
    # libFuzzer's merge into the kept folder adds only the found inputs that
    # reach code the kept ones do not, and leaves the named seeds as they are.
    for program in build/fuzz/bin/*_fuzz; do
        target=$(basename "$program" _fuzz)
        kept="tests/fuzz/corpus/$target"
        mkdir -p "$kept"
        "$program" -merge=1 -max_len=1024 -timeout=2 "$kept" "build/fuzz/tests/fuzz/found/$target" \
            2>&1 | grep -E 'MERGE-OUTER: [0-9]+ new files' || true
        echo "$target: $(find "$kept" -type f | wc -l) inputs kept"
    done
fi
exit "$status"

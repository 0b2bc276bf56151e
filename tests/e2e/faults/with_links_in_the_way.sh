#!/usr/bin/env bash
# Runs one scenario where a user without administrator rights puts links in
# the way of the elevated setup or uninstaller, before the run or at a
# chosen step of it, the way Windows links a folder or a file to another
# place (Wine follows a host symbolic link as Windows follows its own). The
# folders are made on the host and reached through Wine's Z: drive, under
# ${NV_FAULT}:
#   program\Norvelik  the program folder
#   documents         the user's documents, with Work\ in it
#   other             another folder of the user's
#   menu\Programs     a per-user Start-menu folder, menu\Common an all-users one
# The user's files hold "the user's NAME". A step on the host that the
# scenario asks for is done when it writes ${NV_FAULT}\step, and is over when
# ${NV_FAULT}\done appears.
#
#   with_links_in_the_way.sh MODE RUN_SCENARIO_ARGS...
# MODE:
#   swap_program_folder     when nvn.cok is in place, the program folder is
#                           moved away and a link to other\ put in its place
#   program_folder_link     at the step, the same, other\ holding files of the
#                           product's names (a copy of the installed
#                           uninstaller as uninstall.exe, so that it can run)
#   product_file_links      at the step, nvf.cok and ~nvm0.cok become links
#                           to documents\diary.txt and documents\letter.txt
#   start_menu_link         before the run, menu\Programs\Норвелик is a link
#                           to documents\Work
#   shortcut_links          when nvf.cok is in place, links to the user's
#                           documents stand at the names of the Start-menu
#                           shortcuts in menu\Common\Норвелик
#   link_loops              before the run, the program folder holds two
#                           links back to itself: loop and sub\up
set -euo pipefail
mode=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../wine_prefix.sh
. "$here/../wine_prefix.sh"

top=$(nv_fault_folder links.XXXXXX "$@")
cleanup() {
    nv_stop_watchers
    rm -rf "$top"
}
trap cleanup EXIT
program=$top/program/Norvelik
documents=$top/documents
other=$top/other
mkdir -p "$program" "$documents/Work" "$other" "$top/menu/Programs" "$top/menu/Common"
for file in "$documents/diary.txt" "$documents/letter.txt" "$documents/plan.txt" \
    "$documents/Work/report.txt" "$other/nvs.cok"; do
    printf "the user's %s" "$(basename "$file")" >"$file"
done

swap_program_folder() {
    printf 'mv "%s" "%s.moved" && ln -s "%s" "%s"' "$program" "$program" "$other" "$program"
}

case $mode in
    swap_program_folder)
        nv_on_file_event "$program" moved_to nvn.cok "$(swap_program_folder)"
        ;;
    program_folder_link)
        for name in Norvelik.exe riched32.dll nvf.cok; do
            printf "the user's %s" "$name" >"$other/$name"
        done
        nv_on_file_event "$top" create step \
            "cp \"$program/uninstall.exe\" \"$other/uninstall.exe\" && $(swap_program_folder) &&
             touch \"$top/done\""
        ;;
    product_file_links)
        nv_on_file_event "$top" create step \
            "rm -f \"$program/nvf.cok\" && ln -s \"$documents/diary.txt\" \"$program/nvf.cok\" &&
             ln -s \"$documents/letter.txt\" \"$program/~nvm0.cok\" && touch \"$top/done\""
        ;;
    start_menu_link)
        ln -s "$documents/Work" "$top/menu/Programs/Норвелик"
        ;;
    shortcut_links)
        menu=$top/menu/Common/Норвелик
        nv_on_file_event "$program" moved_to nvf.cok \
            "ln -s \"$documents/diary.txt\" \"$menu/Норвелик.lnk\" &&
             ln -s \"$documents/plan.txt\" \"$menu/Интернет-сайт программы.url\""
        ;;
    link_loops)
        mkdir "$program/sub"
        ln -s "$program" "$program/loop"
        ln -s "$program" "$program/sub/up"
        ;;
    *)
        echo "unknown mode $mode" >&2
        exit 2
        ;;
esac

status=0
bash "$here/../run_scenario.sh" "$@" "NV_FAULT=Z:${top//\//\\}" || status=$?
if ((status == 0)); then
    # Whatever the links led to is as it was.
    for file in "$documents/diary.txt" "$documents/letter.txt" "$documents/plan.txt" \
        "$documents/Work/report.txt" "$other/nvs.cok"; do
        if [ "$(cat "$file")" != "the user's $(basename "$file")" ]; then
            echo "FAIL: $file was changed"
            status=1
        fi
    done
fi
exit "$status"

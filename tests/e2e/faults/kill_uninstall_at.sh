#!/usr/bin/env bash
# Kills the uninstaller (kill -9, its copy and the uninstaller that started
# it) at one moment of a removal, then finishes the removal the way a user
# can: through the entry in the list of installed programs when it is still
# there, else through the uninstaller left in the program folder, else not at
# all. Afterwards nothing of the product may be left but what the system
# deletes at its next start, and the entry must be gone.
#
#   kill_uninstall_at.sh TOOL MOMENT RUN_SCENARIO_ARGS...
# TOOL is tools/kill_on_event.cpp built for the host.
# MOMENT, each a change on disk that the removal makes:
#   handover     the copy's folder is made under the Windows Temp folder
#   shortcut     the Start-menu shortcut to the program is deleted
#   first_file   Norvelik.exe is deleted
#   last_file    riched32.dll, the list's last file, is deleted
#   start_menu   the Start-menu folder is removed
#   uninstaller  uninstall.exe is deleted, after the entry
#   folder       the program folder is removed
set -euo pipefail
tool=$1
moment=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../wine_prefix.sh
. "$here/../wine_prefix.sh"
scenarios=$here/../scenarios

nv_runner_options "$@"

prefix=$(nv_fault_folder kill.XXXXXX "$@")
cleanup() {
    nv_stop_watchers
    pkill -f "$(basename "$prefix")" 2>/dev/null || true
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    [ -n "${NV_E2E_KEEP:-}" ] || rm -rf "$prefix" "$killer"
}
trap cleanup EXIT
rmdir "$prefix"
nv_prefix_from_template "$nv_work/wine-templates" "$nv_arch" "$prefix"

c=$prefix/drive_c
program="$c/Program Files/Norvelik"
menu="$c/ProgramData/Microsoft/Windows/Start Menu/Programs"
case $moment in
    handover) watch=("$c/windows/temp" create 'nvuninst*') ;;
    shortcut) watch=("$menu/Норвелик" delete 'Норвелик.lnk') ;;
    first_file) watch=("$program" delete Norvelik.exe) ;;
    last_file) watch=("$program" delete riched32.dll) ;;
    start_menu) watch=("$menu" delete 'Норвелик') ;;
    uninstaller) watch=("$program" delete uninstall.exe) ;;
    folder) watch=("$c/Program Files" delete Norvelik) ;;
    *)
        echo "unknown moment $moment" >&2
        exit 2
        ;;
esac
# Once installed, the scenario writes C:\nv-step: the watch for the moment is
# set, and C:\nv-done tells the scenario to start the removal.
killer=$prefix.killer
nv_on_file_event "$c" create nv-step \
    "$(printf '%q ' "$tool" "${watch[@]}") nvuninst.exe uninstall.exe >$(printf '%q' "$killer") &
     until grep -q ready $(printf '%q' "$killer") 2>/dev/null; do sleep 0.01; done
     touch $(printf '%q' "$c/nv-done")"

run() { bash "$here/../run_scenario.sh" --prefix "$prefix" "$@"; }
run "$@" "$scenarios/uninstall_killed.nvs"
cat "$killer"

# Finished the way the user can.
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Norvelik'
# Asked without a display, and the wineserver ended afterwards: one that
# lives on would keep the next run's programs from showing their windows.
query() {
    local found=0
    WINEPREFIX="$prefix" WINEDEBUG=-all wine reg query "$@" 2>/dev/null || found=$?
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    return "$found"
}
entry_present() { query "$entry" /reg:64 >/dev/null; }
if entry_present; then
    echo "after the kill: the entry is there"
    # Stopped before any of the product's files went, the removal is a plain one.
    finish=uninstall_finished_through_the_entry
    case $moment in handover | shortcut) finish=${finish}_untouched ;; esac
    run "$@" "$scenarios/$finish.nvs"
elif [ -e "$program/uninstall.exe" ]; then
    echo "after the kill: no entry, the uninstaller is left"
    run "$@" "$scenarios/uninstall_finished_by_the_uninstaller_left.nvs"
else
    echo "after the kill: neither the entry nor the uninstaller"
fi

# Nothing of the product but what the system's next start deletes.
status=0
left=$(find "$program" "$menu/Норвелик" "$c/users/Public/Desktop/Норвелик.lnk" \
    -mindepth 0 2>/dev/null | grep -v "^$program\$" || true)
pending=$(query 'HKLM\System\CurrentControlSet\Control\Session Manager' \
    /v PendingFileRenameOperations | tr -d '\r' || true)
while IFS= read -r path; do
    [ -n "$path" ] || continue
    name=${path#"$c"/}
    if ! grep -qiF "${name//\//\\}" <<<"$pending"; then
        echo "FAIL: left behind: $path"
        status=1
    fi
done <<<"$left"
if [ -d "$program" ] && [ -z "$(ls -A "$program")" ] &&
    ! grep -qiF 'Program Files\Norvelik' <<<"$pending"; then
    echo "note: the empty program folder stayed (killed between its last file and itself)"
fi
if entry_present; then
    echo "FAIL: the entry is still there"
    status=1
fi
((status == 0)) && echo "nothing of the product is left"
exit "$status"

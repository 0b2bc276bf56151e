# shellcheck shell=bash
# Wine prefixes and displays for the end-to-end runs; sourced by
# tests/e2e/run_scenario.sh and scripts/run.sh.

# The Windows path of a Unix path: Wine's drive Z: is the Unix root.
nv_windows_path() {
    local path
    path=$(realpath -m "$1")
    printf 'Z:%s\n' "${path//\//\\}"
}

# The font family that stands in for Arial in the prefixes, or nothing when
# Arial itself is there (or no stand-in is).
nv_arial_stand_in() {
    command -v fc-list >/dev/null || return 0
    fc-list : family | grep -qi '^arial' && return 0
    fc-list : family | grep -qi 'DejaVu Sans Condensed' && echo 'DejaVu Sans Condensed'
    return 0
}

# Makes the template prefix TEMPLATES/ARCH unless a complete one for this Wine
# version is there. A new 64-bit prefix takes about 20 s, so it is made once
# and copied for every run. The caller holds the lock.
nv_make_template() {
    local templates=$1 arch=$2
    local template="$templates/$arch" stamp
    # Bump the last word when the way templates are made changes.
    stamp="$(wine --version) $arch unmanaged, $(nv_arial_stand_in)"
    if [ -f "$template/.nv-template" ] && [ "$(cat "$template/.nv-template")" = "$stamp" ]; then
        return 0
    fi
    echo "making the $arch Wine prefix template (once)" >&2
    rm -rf "$template" "$template.new"
    # No Mono or Gecko: nothing under test needs them, and their install
    # prompts would wait for an answer.
    env -u DISPLAY WINEPREFIX="$template.new" WINEARCH="$arch" WINEDEBUG=-all \
        WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml=" \
        LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 wine wineboot -i >/dev/null 2>&1 ||
        { echo "wineboot failed to make the $arch prefix" >&2; return 1; }
    # Top-level windows not managed by a window manager: on a bare Xvfb there is
    # none, and Wine would otherwise wait 2 s for one whenever a window closes.
    env -u DISPLAY WINEPREFIX="$template.new" WINEDEBUG=-all \
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    # Without Arial, the font of the setup form, Wine takes a wider face and
    # long captions are cut off: a condensed face comes closer to its widths.
    local arial
    arial=$(nv_arial_stand_in)
    if [ -n "$arial" ]; then
        env -u DISPLAY WINEPREFIX="$template.new" WINEDEBUG=-all \
            wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ \
            /d "$arial" /f >/dev/null 2>&1
    fi
    # The registry reaches the prefix's files only when the wineserver ends.
    WINEPREFIX="$template.new" wineserver -w
    # Wine links the user's Documents, Desktop and the like to the Unix home
    # folder: make them real folders so that no run writes outside its prefix.
    local link
    while IFS= read -r -d '' link; do
        rm -f "$link"
        mkdir -p "$link"
    done < <(find "$template.new/drive_c/users" -type l -print0)
    echo "$stamp" >"$template.new/.nv-template"
    mv "$template.new" "$template"
}

# Program images of a prefix: shared between the template and its copies by
# hard links. Nothing a test does rewrites a system DLL in place; everything
# else (registry files, ini files, folders) is copied, so each run has its own.
nv_shared_images=(-name '*.dll' -o -name '*.exe' -o -name '*.drv' -o -name '*.sys'
                  -o -name '*.ocx' -o -name '*.cpl' -o -name '*.acm' -o -name '*.ax'
                  -o -name '*.tlb' -o -name '*.nls' -o -name '*.ds' -o -name '*.com'
                  -o -name '*.vxd')

# Copies the template of ARCH to TARGET, making the template first when needed.
# Parallel runs take turns through a lock, so a template is never seen half made.
# NV_E2E_FULL_COPY=1 copies the program images too (slower, no sharing).
nv_prefix_from_template() {
    local templates=$1 arch=$2 target=$3
    mkdir -p "$templates"
    (
        flock 9
        nv_make_template "$templates" "$arch"
        local template="$templates/$arch"
        if [ "${NV_E2E_FULL_COPY:-0}" = 1 ]; then
            cp -a "$template" "$target"
        else
            mkdir -p "$target"
            (cd "$template" && find . -type f \( "${nv_shared_images[@]}" \) -prune -o -print0 |
                tar --null --no-recursion -T - -cf -) | (cd "$target" && tar -xf -)
            (cd "$template" && find . -type f \( "${nv_shared_images[@]}" \) -print0 |
                xargs -0 cp -l --parents -t "$target")
        fi
    ) 9>"$templates/$arch.lock"
}

# Starts an Xvfb on a free display number; sets nv_xvfb_pid and nv_xvfb_display.
# shellcheck disable=SC2034 # both are for the caller
nv_start_xvfb() {
    local folder=$1
    command -v Xvfb >/dev/null || { echo "Xvfb is not installed (scripts/install-deps.sh)" >&2; return 1; }
    : >"$folder/display"
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$folder/display" \
        >"$folder/xvfb.log" 2>&1 &
    nv_xvfb_pid=$!
    local _
    for _ in $(seq 100); do
        [ -s "$folder/display" ] && break
        kill -0 "$nv_xvfb_pid" 2>/dev/null || { cat "$folder/xvfb.log" >&2; return 1; }
        sleep 0.1
    done
    [ -s "$folder/display" ] || { echo "Xvfb did not start" >&2; return 1; }
    nv_xvfb_display=":$(head -n1 "$folder/display")"
}

# True when a folder above PATH (or PATH itself) lets every user change it
# (mode o+w, as /tmp): below such a folder the setup rightly refuses to
# install, and Wine reports the mode bits as Everyone's rights.
nv_open_to_all_above() {
    local path
    path=$(realpath -m "$1")
    while [ -n "$path" ] && [ "$path" != / ]; do
        if [ -d "$path" ] && [ -n "$(find "$path" -maxdepth 0 -perm -o+w)" ]; then return 0; fi
        path=$(dirname "$path")
    done
    return 1
}

# The options of run_scenario.sh that a fault script needs as well, from the
# RUN_SCENARIO_ARGS it passes on: sets nv_bin (--bin, by default the
# windows build's bin folder), nv_work (--work, by default the folder above
# nv_bin) and nv_arch (--arch, by default win64); the paths made absolute.
#   nv_runner_options RUN_SCENARIO_ARGS...
# shellcheck disable=SC2034  # the variables are the scripts'
nv_runner_options() {
    local args=("$@") i
    nv_bin=$(dirname "${BASH_SOURCE[0]}")/../../build/windows/bin
    nv_work=
    nv_arch=win64
    for ((i = 0; i < ${#args[@]} - 1; i++)); do
        case ${args[i]} in
            --bin) nv_bin=${args[i + 1]} ;;
            --work) nv_work=${args[i + 1]} ;;
            --arch) nv_arch=${args[i + 1]} ;;
        esac
    done
    nv_bin=$(realpath -m "$nv_bin")
    nv_work=$(realpath -m "${nv_work:-$nv_bin/..}")
}

# A new folder for a fault script's files, made with mktemp's TEMPLATE: under
# the run's --work folder (from the RUN_SCENARIO_ARGS given), or, when a
# folder above that one is open to all users (a clone under /tmp), under
# the user's own cache folder. Not under /tmp itself for the same reason.
#   nv_fault_folder TEMPLATE RUN_SCENARIO_ARGS...
nv_fault_folder() {
    local template=$1 base
    shift
    nv_runner_options "$@"
    base=$nv_work/e2e-faults
    if nv_open_to_all_above "$base"; then base=${HOME:-/root}/.cache/norvelik-e2e-faults; fi
    mkdir -p "$base"
    chmod 755 "$base"
    mktemp -d "$base/$template"
}

# Runs COMMAND (with bash) once, in the background, as soon as a file whose
# name matches the pattern NAME (a bash glob) meets one of EVENTS
# (inotifywait's: create, moved_to, delete...) in DIR: a step of a run chosen
# by what the run does on disk. Returns once the
# watch is set; the watcher's pid goes to the array nv_watchers, for
# nv_stop_watchers.
#   nv_on_file_event DIR EVENTS NAME COMMAND
nv_watchers=()
nv_on_file_event() {
    local dir=$1 events=$2 name=$3 command=$4 ready
    ready=$(mktemp -u)
    mkfifo "$ready"
    (
        exec 3>"$ready"
        inotifywait -m -e "$events" --format '%f' "$dir" 2>&3 | {
            exec 3>&-
            while IFS= read -r file; do
                # shellcheck disable=SC2053 # NAME is a pattern
                if [[ $file == $name ]]; then
                    bash -c "$command"
                    break
                fi
            done
        }
    ) &
    nv_watchers+=($!)
    # inotifywait says so on its error output once its watch is set.
    grep -q -m1 'Watches established' <"$ready"
    rm -f "$ready"
}

nv_stop_watchers() {
    local pid
    for pid in "${nv_watchers[@]}"; do
        pkill -P "$pid" 2>/dev/null || true
        kill "$pid" 2>/dev/null || true
    done
    nv_watchers=()
}

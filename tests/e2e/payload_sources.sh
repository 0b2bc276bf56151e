# shellcheck shell=bash
# Reads the NAME TYPE "path" lines of the payload's resource script into the
# associative array `source`: installed file name -> the file packed for it.
# The items' checksums (TYPE.NAME CRC32C { value }) name no file and are skipped.
#   read_payload_sources RC_FILE
# shellcheck disable=SC2034 # `source` is filled for the caller
read_payload_sources() {
    declare -gA source
    local name type path file
    while read -r name type path; do
        [[ $name == //* || -z $name || $path != \"* ]] && continue
        file="${name,,}.${type,,}"
        [[ $name == NORVELIK ]] && file=Norvelik.exe
        source[$file]=${path//\"/}
    done <"$1"
}

# Names planted in an existing folder before the setup installs into it:
# links at the "~" names and at a final name, a second name of a file
# elsewhere, a plain file and a folder (faults/with_planted_names.sh makes
# them on the host, where Wine follows a symbolic link as Windows does).
nv_fault_scenario(fault_planted_names with_planted_names.sh fault_planted_names)

# The folder typed on the settings page, judged as Windows reads it: spellings
# that name another folder, a folder too deep for the installation's paths,
# and one where no file can be created (an immutable folder the runner makes;
# skipped, exit 77, where that is not possible).
nv_e2e_scenario(folder_spellings folder_spellings win64 ru_RU.UTF-8)
nv_e2e_scenario(fault_long_folder fault_long_folder win64 ru_RU.UTF-8)
nv_fault_scenario(fault_read_only_folder with_locked_folder.sh fault_read_only_folder SKIPPABLE)

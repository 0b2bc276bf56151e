# The folder typed on the settings page, judged as Windows reads it: spellings
# that name another folder, a folder too deep for the installation's paths,
# and one where no file can be created (an immutable folder the runner makes;
# skipped, exit 77, where that is not possible).
nv_e2e_scenario(folder_spellings folder_spellings win64 ru_RU.UTF-8)
nv_e2e_scenario(fault_long_folder fault_long_folder win64 ru_RU.UTF-8)
add_test(NAME e2e.fault_read_only_folder
         COMMAND ${NV_BASH} ${CMAKE_CURRENT_SOURCE_DIR}/faults/with_locked_folder.sh
                 --arch win64 --lang ru_RU.UTF-8
                 --bin ${CMAKE_BINARY_DIR}/bin --work ${CMAKE_BINARY_DIR}
                 ${NV_E2E_SCENARIOS}/fault_read_only_folder.nvs)
set_tests_properties(e2e.fault_read_only_folder PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300 LABELS e2e)

# Names planted in an existing folder before the setup installs into it:
# links at the "~" names and at a final name, a second name of a file
# elsewhere, a plain file and a folder (faults/with_planted_names.sh makes
# them on the host, where Wine follows a symbolic link as Windows does).
add_test(NAME e2e.fault_planted_names
         COMMAND ${NV_BASH} ${CMAKE_CURRENT_SOURCE_DIR}/faults/with_planted_names.sh
                 --arch win64 --lang ru_RU.UTF-8
                 --bin ${CMAKE_BINARY_DIR}/bin --work ${CMAKE_BINARY_DIR}
                 ${NV_E2E_SCENARIOS}/fault_planted_names.nvs)
set_tests_properties(e2e.fault_planted_names PROPERTIES TIMEOUT 300 LABELS e2e)

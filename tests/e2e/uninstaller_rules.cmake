# The uninstaller against a hostile or unlucky machine: an order on a forged
# command line, a killed setup's "~" copies, an entry nobody may change, and
# a folder named under another code page than the one it is removed under.
nv_e2e_scenario(fault_forged_removal_order fault_forged_removal_order win64 ru_RU.UTF-8)
nv_e2e_scenario(uninstall_after_killed_setup uninstall_after_killed_setup win64 ru_RU.UTF-8)
nv_e2e_scenario(uninstall_entry_locked uninstall_entry_locked win64 ru_RU.UTF-8)

# Installed under CP1251, removed under CP1252, looked at under CP1251 again,
# on one prefix.
add_test(NAME e2e.uninstall_cyrillic_folder_in_cp1252
         COMMAND ${NV_BASH} ${CMAKE_CURRENT_SOURCE_DIR}/faults/in_locales.sh
                 ru_RU.UTF-8 ${NV_E2E_SCENARIOS}/cyrillic_folder_installed.nvs
                 en_US.UTF-8 ${NV_E2E_SCENARIOS}/cyrillic_folder_removed_in_cp1252.nvs
                 ru_RU.UTF-8 ${NV_E2E_SCENARIOS}/cyrillic_folder_gone.nvs
                 -- --arch win64 --bin ${CMAKE_BINARY_DIR}/bin --work ${CMAKE_BINARY_DIR})
set_tests_properties(e2e.uninstall_cyrillic_folder_in_cp1252
                     PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300 LABELS e2e)

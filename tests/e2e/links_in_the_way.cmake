# Links a user without administrator rights puts where the elevated setup or
# uninstaller writes or deletes, before the run or at a chosen step of it
# (faults/with_links_in_the_way.sh makes them on the host, where Wine follows
# a symbolic link as Windows follows its own).
function(nv_links_scenario name mode)
    nv_fault_scenario(${name} with_links_in_the_way.sh ${name} ARGS ${mode})
endfunction()

nv_links_scenario(fault_program_folder_swapped swap_program_folder)
nv_links_scenario(fault_program_folder_link_at_uninstall program_folder_link)
nv_links_scenario(fault_product_file_links_at_uninstall product_file_links)
nv_links_scenario(fault_start_menu_link start_menu_link)
nv_links_scenario(fault_shortcut_links shortcut_links)

# Rights: folders every user may change, and what the setup makes.
nv_fault_scenario(fault_open_folders with_open_folders.sh fault_open_folders)
nv_e2e_scenario(program_folder_rights program_folder_rights win64 ru_RU.UTF-8)
nv_links_scenario(fault_link_loops link_loops)

# The uninstaller killed at each step of a removal, then the removal finished
# the way the user can: nothing of the product is left afterwards.
# The killing tool runs on the build machine: made with the host's compiler.
nv_host_tool(kill_on_event kill_on_event)
foreach(moment handover shortcut first_file last_file start_menu uninstaller folder)
    add_test(NAME e2e.uninstall_killed_at_${moment}
             COMMAND ${NV_BASH} ${CMAKE_CURRENT_SOURCE_DIR}/faults/kill_uninstall_at.sh
                     ${kill_on_event} ${moment}
                     --arch win64 --lang ru_RU.UTF-8
                     --bin ${CMAKE_BINARY_DIR}/bin --work ${CMAKE_BINARY_DIR})
    set_tests_properties(e2e.uninstall_killed_at_${moment} PROPERTIES TIMEOUT 300 LABELS e2e)
endforeach()

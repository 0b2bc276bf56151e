# A damaged setup.exe: one bit flipped inside one payload item. The flipping
# tool runs on the build machine, so it is made with the host's compiler.
nv_host_tool(damage_item damage_item)

add_test(NAME e2e.fault_damaged_item
         COMMAND ${NV_BASH} ${CMAKE_CURRENT_SOURCE_DIR}/faults/with_damaged_item.sh
                 ${damage_item} COK NVM1
                 --arch win64 --lang ru_RU.UTF-8
                 --bin ${CMAKE_BINARY_DIR}/bin --work ${CMAKE_BINARY_DIR}
                 ${NV_E2E_SCENARIOS}/fault_damaged_item.nvs)
set_tests_properties(e2e.fault_damaged_item PROPERTIES TIMEOUT 300 LABELS e2e)

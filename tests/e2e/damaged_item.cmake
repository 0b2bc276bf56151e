# A damaged setup.exe: one bit flipped inside one payload item. The flipping
# tool runs on the build machine, so it is made with the host's compiler.
set(damage_source ${CMAKE_CURRENT_SOURCE_DIR}/tools/damage_item.cpp)
set(damage_item ${CMAKE_CURRENT_BINARY_DIR}/damage_item)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${damage_source})
if(NOT EXISTS ${damage_item} OR ${damage_source} IS_NEWER_THAN ${damage_item})
    execute_process(
        COMMAND ${NV_HOST_CXX} -std=c++17 -O2 -Wall -Wextra -o ${damage_item} ${damage_source}
        RESULT_VARIABLE damage_result ERROR_VARIABLE damage_errors)
    if(damage_result)
        message(FATAL_ERROR "Cannot build damage_item:\n${damage_errors}")
    endif()
endif()

add_test(NAME e2e.fault_damaged_item
         COMMAND ${NV_BASH} ${CMAKE_CURRENT_SOURCE_DIR}/faults/with_damaged_item.sh
                 ${damage_item} COK NVM1
                 --arch win64 --lang ru_RU.UTF-8
                 --bin ${CMAKE_BINARY_DIR}/bin --work ${CMAKE_BINARY_DIR}
                 ${NV_E2E_SCENARIOS}/fault_damaged_item.nvs)
set_tests_properties(e2e.fault_damaged_item PROPERTIES TIMEOUT 300 LABELS e2e)

# The command interpreter the setup asks for the "ver" banner on Windows 8
# and later (which report 6.2): none at all while the registry names the
# product, else the system folder's cmd.exe, never the ComSpec a user set.
# Both run in a prefix switched to Windows 10 mode, with the planted program
# as ComSpec and in the system interpreter's place, where a run of either
# leaves a marker (faults/in_windows10_mode.sh). The planted program is built
# under a name no search finds; the scenarios copy it where it is looked for.
add_executable(nv_planted_program ${CMAKE_CURRENT_SOURCE_DIR}/planted_program/planted_program.cpp)
set_target_properties(nv_planted_program PROPERTIES SUFFIX ".exe_")
nv_target_defaults(nv_planted_program)
target_link_options(nv_planted_program PRIVATE -static -static-libgcc)

foreach(scenario fault_planted_interpreter fault_planted_interpreter_no_product_name)
    nv_fault_scenario(${scenario} in_windows10_mode.sh ${scenario} SKIPPABLE
                      ARGS --mark-system-interpreter)
endforeach()

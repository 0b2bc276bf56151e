# DLLs left beside the programs under system DLLs' names must never run inside
# them. The planted DLL is built under a name no search finds; the scenario
# copies it beside setup.exe and beside the installed uninstall.exe under the
# names of system DLLs that programs like ours have been caught loading.
add_library(nv_planted SHARED ${CMAKE_CURRENT_SOURCE_DIR}/planted_dll/planted_dll.cpp)
set_target_properties(nv_planted PROPERTIES PREFIX "" SUFFIX ".dll_")
target_link_options(nv_planted PRIVATE -static-libgcc)
nv_target_defaults(nv_planted)

nv_e2e_scenario(dll_planting dll_planting win64 ru_RU.UTF-8)

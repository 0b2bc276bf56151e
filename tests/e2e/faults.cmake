# Faults put in the setup's way under Wine: held, read-only and locked files,
# a disk too small or filling up, a killed setup, a product slow to quit, bad
# folders at the form and registry values of the wrong type. docs/faults.md
# lists what the user sees and what is left on disk for each.
nv_e2e_scenario(fault_bad_folders fault_bad_folders win64 ru_RU.UTF-8)
nv_e2e_scenario(fault_held_files fault_held_files win64 ru_RU.UTF-8)
nv_e2e_scenario(fault_registry_types fault_registry_types win64 ru_RU.UTF-8)
nv_e2e_scenario(fault_registry_locked fault_registry_locked win64 ru_RU.UTF-8)
nv_e2e_scenario(fault_slow_quit fault_slow_quit win64 ru_RU.UTF-8)
nv_e2e_scenario(fault_killed_setup fault_killed_setup win64 ru_RU.UTF-8)

# A disk too small for the files: a tmpfs the run mounts (skipped, exit 77,
# where mounting is not permitted).
nv_fault_scenario(fault_small_disk with_small_disk.sh fault_small_disk SKIPPABLE ARGS 128k)
# The disk fills up halfway: the installation ends saying that it is not complete.
nv_fault_scenario(fault_disk_fills with_small_disk.sh fault_disk_fills SKIPPABLE
                  ARGS 4m --fill-after nvy.cok)

# The disk filling up during the installation, through the engine probe
# (which installs without the form, so the free-space check cannot stop it).
add_test(NAME e2e.fault_full_disk_during_install
         COMMAND ${NV_BASH} ${CMAKE_CURRENT_SOURCE_DIR}/faults/full_disk_during_install.sh
                 $<TARGET_FILE_DIR:engine_probe> ${PROJECT_BINARY_DIR}/resources/payload/payload.rc)
set_tests_properties(e2e.fault_full_disk_during_install
                     PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300 LABELS e2e)

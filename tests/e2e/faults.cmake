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

# Both programs end through one frame: an error nothing else handled is
# reported in the current language and the program ends with 0, having
# touched nothing it could not vouch for; and only one setup or uninstaller
# runs on the machine at a time.
nv_e2e_scenario(fault_uninstall_registry_types fault_uninstall_registry_types win64 ru_RU.UTF-8)
nv_e2e_scenario(one_at_a_time one_at_a_time win64 ru_RU.UTF-8)

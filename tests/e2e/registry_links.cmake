# Registry links planted where the programs keep the product's uninstall
# entry: neither program follows one. docs/faults.md lists what the user sees
# and what is left afterwards.
nv_e2e_scenario(fault_registry_link fault_registry_link win64 ru_RU.UTF-8)
nv_e2e_scenario(fault_registry_link_32bit_node fault_registry_link_32bit_node win64 ru_RU.UTF-8)
nv_e2e_scenario(uninstall_entry_link uninstall_entry_link win64 ru_RU.UTF-8)

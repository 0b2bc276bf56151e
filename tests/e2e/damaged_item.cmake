# A damaged setup.exe: one bit flipped inside one payload item. The flipping
# tool runs on the build machine, so it is made with the host's compiler.
nv_host_tool(damage_item damage_item)

nv_fault_scenario(fault_damaged_item with_damaged_item.sh fault_damaged_item
                  ARGS ${damage_item} COK NVM1)

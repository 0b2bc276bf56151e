# Compile options shared by every target of ours.
function(nv_target_defaults target)
    target_compile_options(${target} PRIVATE ${NV_WARNING_FLAGS} ${NV_CHARSET_FLAGS})
    if(WIN32)
        # One section per function, so the linker can drop what setup.exe never calls.
        target_compile_options(${target} PRIVATE -ffunction-sections -fdata-sections)
    endif()
endfunction()

# Win32 programs of ours: GUI subsystem, statically linked so that a bare
# Windows needs no libgcc, libstdc++ or winpthread DLL beside them.
function(nv_windows_program target)
    nv_target_defaults(${target})
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++
        -Wl,--gc-sections $<$<NOT:$<CONFIG:Debug>>:-s>)
endfunction()

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

# nv_signed_program(target): with a certificate configured (NV_SIGN_PKCS12),
# the program is signed as soon as it is linked, before anything packs or
# copies it. The password is read from NV_SIGN_PASSWORD when the build runs.
function(nv_signed_program target)
    if(NV_SIGN_PKCS12)
        add_custom_command(TARGET ${target} POST_BUILD
            COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/sign.sh $<TARGET_FILE:${target}>
                    ${NV_SIGN_PKCS12} "${NV_SIGN_TIMESTAMP_URL}"
            VERBATIM)
    endif()
endfunction()

# Checks the shape of a built setup.exe from its headers, without running it:
#   cmake -DOBJDUMP=<objdump> -DEXE=<setup.exe> [-DUNMAPPED=ON] -P check_setup_exe.cmake
# It must be a 32-bit GUI program whose every imported DLL is one that Windows
# takes from its Known DLLs (no compiler run-time DLL, and none that the loader
# would look for in the program's own folder before the program could restrict
# the search) and that imports no call newer than Windows XP, laid out for
# mapping straight from the file (not asked of UNMAPPED programs), with the
# manifest that asks for administrator rights and version 6 of the common
# controls.
cmake_minimum_required(VERSION 3.25)

foreach(var OBJDUMP EXE)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} not given")
    endif()
endforeach()

# Known DLLs of every Windows since 7. The common controls are not among them.
set(ALLOWED_DLLS kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll
    oleaut32.dll msvcrt.dll)

set(failures "")
macro(fail text)
    list(APPEND failures "${text}")
endmacro()

execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE headers RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${EXE} failed: ${rc}")
endif()
execute_process(COMMAND ${OBJDUMP} -h ${EXE} OUTPUT_VARIABLE sections)

if(NOT headers MATCHES "file format pei-i386")
    fail("not an i386 PE file")
endif()
if(NOT headers MATCHES "\nMagic[ \t]+010b[ \t]+\\(PE32\\)")
    fail("not PE32")
endif()
if(NOT headers MATCHES "\nSubsystem[ \t]+00000002")
    fail("not the GUI subsystem")
endif()
if(NOT UNMAPPED AND NOT headers MATCHES "\nFileAlignment[ \t]+00001000")
    fail("file alignment is not 4096")
endif()

# Imports.
string(REGEX MATCHALL "DLL Name: [^\n]+" dll_lines "${headers}")
if(NOT dll_lines)
    fail("no imported DLL found")
endif()
foreach(line IN LISTS dll_lines)
    string(REGEX REPLACE "DLL Name: " "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" dll_lower)
    if(NOT dll_lower IN_LIST ALLOWED_DLLS)
        fail("imports ${dll}, which is not a Known DLL")
    endif()
endforeach()

# Calls that Windows XP does not have must be looked up at run time, or the
# program does not even load there.
set(NEWER_THAN_XP GetTickCount64 RegDeleteTreeA RegDeleteKeyExA SetDefaultDllDirectories
    InitializeSRWLock AcquireSRWLockExclusive InitializeConditionVariable FlsAlloc
    GetLocaleInfoEx CompareStringEx)
foreach(call IN LISTS NEWER_THAN_XP)
    if(headers MATCHES "\n\t[0-9a-f]+\t +[0-9]+  ${call}\n")
        fail("imports ${call}, which Windows XP lacks")
    endif()
endforeach()

# The manifest: resource type 24, name 1, and its one leaf right after it.
string(REGEX MATCH "\n[0-9a-f]+   Entry: ID: 0x000018,[^\n]*\n[^\n]*Name Table[^\n]*\n[0-9a-f]+     Entry: ID: 0x000001,[^\n]*\n[^\n]*Language Table[^\n]*\n[^\n]*Entry[^\n]*\n[^\n]*Leaf: Addr: (0x[0-9a-f]+), Size: (0x[0-9a-f]+)"
    manifest_entry "${headers}")
if(NOT manifest_entry)
    fail("no manifest resource with id 1")
else()
    set(leaf_rva ${CMAKE_MATCH_1})
    set(leaf_size ${CMAKE_MATCH_2})
    string(REGEX MATCH "ImageBase[ \t]+([0-9a-fA-F]+)" _ "${headers}")
    set(image_base 0x${CMAKE_MATCH_1})
    string(REGEX MATCH "\\.rsrc[ \t]+[0-9a-f]+[ \t]+([0-9a-f]+)[ \t]+[0-9a-f]+[ \t]+([0-9a-f]+)"
        _ "${sections}")
    set(rsrc_vma 0x${CMAKE_MATCH_1})
    set(rsrc_offset 0x${CMAKE_MATCH_2})
    math(EXPR file_offset "${leaf_rva} - (${rsrc_vma} - ${image_base}) + ${rsrc_offset}")
    math(EXPR size "${leaf_size}")
    file(READ ${EXE} manifest OFFSET ${file_offset} LIMIT ${size})
    foreach(expected
            "level=\"requireAdministrator\""
            "name=\"Microsoft.Windows.Common-Controls\""
            "version=\"6.0.0.0\""
            "processorArchitecture=\"x86\""
            "publicKeyToken=\"6595b64144ccf1df\"")
        string(FIND "${manifest}" "${expected}" at)
        if(at EQUAL -1)
            fail("the manifest lacks ${expected}")
        endif()
    endforeach()
    # Declaring supported systems would change what the version query reports.
    string(FIND "${manifest}" "supportedOS" at)
    if(NOT at EQUAL -1)
        fail("the manifest declares supported systems")
    endif()
endif()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "${EXE}:\n  ${text}")
endif()
message(STATUS "${EXE}: PE32 i386 GUI program, system imports only, manifest in place")

# Checks the file properties of a built program, as read back from its
# version resource by version_info (a program of the build machine):
#   cmake -DREADER=<version_info> -DEXE=<program.exe> -DDESCRIPTION=<text>
#         -DNAME=<file name> -P check_version_info.cmake
# Company, product, version, Russian language and code page 1251 are the same
# for both programs; the description and the original file name are each one's.
cmake_minimum_required(VERSION 3.25)

foreach(var READER EXE DESCRIPTION NAME)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} not given")
    endif()
endforeach()

execute_process(COMMAND ${READER} ${EXE} OUTPUT_VARIABLE found ERROR_VARIABLE error
                RESULT_VARIABLE rc)
# Lines that start with blanks are printed as they are: CMake would otherwise
# wrap a long path away from what follows it.
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "  ${error}")
endif()

set(strings "string 041904E3")
set(expected
    "language 0x0419"
    "file_version 1500.0.0.0"
    "product_version 1500.0.0.0"
    "translation 0x0419 1251"
    "${strings} CompanyName=Норвелик Софт"
    "${strings} ProductName=Норвелик"
    "${strings} FileVersion=1500"
    "${strings} ProductVersion=1500"
    "${strings} FileDescription=${DESCRIPTION}"
    "${strings} OriginalFilename=${NAME}")

set(failures "")
string(REPLACE "\n" ";" lines "${found}")
foreach(line IN LISTS expected)
    if(NOT line IN_LIST lines)
        list(APPEND failures "lacks: ${line}")
    endif()
endforeach()
if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "  ${EXE}:\n  ${text}\nread:\n${found}")
endif()
message(STATUS "${EXE}: file properties in place\n${found}")

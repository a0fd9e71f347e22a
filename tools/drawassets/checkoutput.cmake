# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the pictures afresh into WORK and fails unless every file there is
# byte for byte the committed one in ASSETS, with none missing or extra.
#   cmake -DTOOL=<quillway_drawassets> -DASSETS=<assets dir> -DWORK=<scratch dir> -P checkoutput.cmake
foreach(var TOOL ASSETS WORK)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND "${TOOL}" "${WORK}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the drawing tool failed: ${result}")
endif()

file(GLOB_RECURSE drawn RELATIVE "${WORK}" "${WORK}/*")
file(GLOB_RECURSE committed RELATIVE "${ASSETS}"
    "${ASSETS}/pictures/*" "${ASSETS}/icons/*")
list(SORT drawn)
list(SORT committed)
if(NOT drawn STREQUAL committed)
    message(FATAL_ERROR "the tool draws\n  ${drawn}\nbut assets/ holds\n  ${committed}")
endif()

set(differing "")
foreach(name IN LISTS drawn)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
        "${WORK}/${name}" "${ASSETS}/${name}" RESULT_VARIABLE same)
    if(NOT same EQUAL 0)
        list(APPEND differing "${name}")
    endif()
endforeach()
if(differing)
    message(FATAL_ERROR "drawn afresh, these differ from assets/: ${differing}\n"
        "Run the update_assets target and commit the result if the change is wanted.")
endif()
list(LENGTH drawn count)
message(STATUS "all ${count} drawn files match assets/")

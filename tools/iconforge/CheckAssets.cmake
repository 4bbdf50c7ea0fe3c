# Renders the drawings into a fresh folder and compares the result with the
# checked-in assets byte for byte: the same files, with the same contents.
#   cmake -DICONFORGE=... -DSOURCE=assets/src -DASSETS=assets -DWORK=DIR -P CheckAssets.cmake
cmake_minimum_required(VERSION 3.25)
foreach(var ICONFORGE SOURCE ASSETS WORK)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND "${ICONFORGE}" "${SOURCE}" "${WORK}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "iconforge failed (${result}):\n${output}")
endif()

file(GLOB_RECURSE made LIST_DIRECTORIES false RELATIVE "${WORK}" "${WORK}/*")
file(GLOB_RECURSE shipped LIST_DIRECTORIES false RELATIVE "${ASSETS}"
    "${ASSETS}/Pictures/*" "${ASSETS}/ui/*")
list(SORT made)
list(SORT shipped)
if(NOT made)
    message(FATAL_ERROR "iconforge wrote nothing")
endif()

set(problems "")
foreach(file IN LISTS made)
    if(NOT file IN_LIST shipped)
        string(APPEND problems "  ${file}: made from the drawings but not checked in\n")
    else()
        execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
            "${WORK}/${file}" "${ASSETS}/${file}" RESULT_VARIABLE differs)
        if(NOT differs EQUAL 0)
            string(APPEND problems "  ${file}: differs from what the drawing makes\n")
        endif()
    endif()
endforeach()
foreach(file IN LISTS shipped)
    if(NOT file IN_LIST made)
        string(APPEND problems "  ${file}: checked in but made from no drawing\n")
    endif()
endforeach()
if(problems)
    message(FATAL_ERROR "The assets are not what iconforge makes of assets/src "
        "(cmake --build --preset default --target forge-assets re-renders them):\n${problems}"
        "Rendered files are in ${WORK}")
endif()
list(LENGTH made count)
message(STATUS "${count} files match their drawings")
file(REMOVE_RECURSE "${WORK}")

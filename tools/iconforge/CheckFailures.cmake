# iconforge refuses broken drawing folders instead of rendering what it can:
# each case below is a copy of a small good folder with one fault, and the
# run must fail and name the fault.
#   cmake -DICONFORGE=... -DWORK=DIR -P CheckFailures.cmake
cmake_minimum_required(VERSION 3.25)
foreach(var ICONFORGE WORK)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

set(square "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 48\"><circle cx=\"24\" cy=\"24\" r=\"12\" fill=\"#ff0\"/></svg>")

# Writes the good folder into DIR.
function(good_folder dir)
    file(REMOVE_RECURSE "${dir}")
    file(WRITE "${dir}/title.svg" "${square}")
    file(WRITE "${dir}/logo.svg" "${square}")
    file(WRITE "${dir}/units/race/1.svg" "${square}")
endfunction()

# Runs iconforge on DIR; it must fail with EXPECTED in its messages.
function(expect_failure name dir expected)
    execute_process(COMMAND "${ICONFORGE}" "${dir}" "${dir}-out"
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(result EQUAL 0)
        message(SEND_ERROR "${name}: iconforge succeeded:\n${output}")
    elseif(NOT output MATCHES "${expected}")
        message(SEND_ERROR "${name}: expected \"${expected}\" in:\n${output}")
    else()
        message(STATUS "${name}: refused")
    endif()
endfunction()

set(dir "${WORK}/good")
good_folder("${dir}")
execute_process(COMMAND "${ICONFORGE}" "${dir}" "${dir}-out"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT EXISTS "${dir}-out/Pictures/race/1.ico"
   OR NOT EXISTS "${dir}-out/ui/title.png" OR NOT EXISTS "${dir}-out/ui/logo.png")
    message(FATAL_ERROR "the good folder does not render (${result}):\n${output}")
endif()

set(dir "${WORK}/no-title")
good_folder("${dir}")
file(REMOVE "${dir}/title.svg")
expect_failure("missing title" "${dir}" "title.svg: no such file")

set(dir "${WORK}/misnamed")
good_folder("${dir}")
file(WRITE "${dir}/units/race/first.svg" "${square}")
expect_failure("misnamed unit drawing" "${dir}" "first.svg: expected <slot>.svg")

set(dir "${WORK}/bad-reference")
good_folder("${dir}")
file(WRITE "${dir}/units/race/1.svg" "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 48\"><rect width=\"9\" height=\"9\" fill=\"url(#nowhere)\"/></svg>")
expect_failure("unresolved reference" "${dir}" "Could not resolve property: #nowhere")

set(dir "${WORK}/not-square")
good_folder("${dir}")
file(WRITE "${dir}/logo.svg" "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 40\"><rect width=\"9\" height=\"9\"/></svg>")
expect_failure("oblong view box" "${dir}" "logo.svg: the view box is not square")

set(dir "${WORK}/not-svg")
good_folder("${dir}")
file(WRITE "${dir}/units/race/1.svg" "not a drawing")
expect_failure("not SVG" "${dir}" "1.svg: not a drawing Qt can read")

file(REMOVE_RECURSE "${WORK}")

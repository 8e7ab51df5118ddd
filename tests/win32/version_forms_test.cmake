cmake_minimum_required(VERSION 3.25)
# The version number in the forms the program file and the MSI carry, and the
# numbers refused. A row: name|version|fixed numbers|texts|file version;
# empty forms mean the version is refused.
#   cmake -P version_forms_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/MorvanaVersion.cmake)

set(rows
  "first_release|1.0.0|1, 0, 0, 0|1.00|1.0.0.0"
  "patch_follows_the_two_minor_digits|1.0.1|1, 0, 1, 0|1.00.1|1.0.1.0"
  "two_digit_minor_as_it_is|2.10.0|2, 10, 0, 0|2.10|2.10.0.0"
  "largest_that_fits|255.99.65535|255, 99, 65535, 0|255.99.65535|255.99.65535.0"
  "two_parts|1.0||"
  "leading_zero|1.01.0||"
  "suffix|1.0.1-rc1||"
  "major_past_255|256.0.0||"
  "minor_past_99|1.100.0||"
  "patch_past_65535|1.0.65536||")

set(failures 0)
foreach(row IN LISTS rows)
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 name)
  list(GET fields 1 version)
  list(GET fields 2 numbers)
  morvana_version_forms("${version}" got)
  if(numbers STREQUAL "")
    set(want "refused")
    if(got_ERROR)
      set(result "refused")
    else()
      set(result "${got_NUMBERS}|${got_TEXT}|${got_FILE}")
    endif()
  else()
    list(GET fields 3 text)
    list(GET fields 4 file)
    set(want "${numbers}|${text}|${file}")
    set(result "${got_NUMBERS}|${got_TEXT}|${got_FILE}${got_ERROR}")
  endif()
  if(result STREQUAL want)
    message(STATUS "ok ${name}")
  else()
    message(STATUS "FAILED ${name}: ${version} gave \"${result}\", expected \"${want}\"")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures} version rows failed")
endif()

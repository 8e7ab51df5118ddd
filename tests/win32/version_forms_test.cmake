cmake_minimum_required(VERSION 3.25)
# The version number in the forms the program file and the MSI carry, and the
# numbers refused. A row: name|version|fixed numbers|texts|file version, or
# name|version|refused.   cmake -P version_forms_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/MorvanaVersion.cmake)

set(failed 0)
foreach(row "first_release|1.0.0|1, 0, 0, 0|1.00|1.0.0.0" "patch_follows_the_minor|1.0.1|1, 0, 1, 0|1.00.1|1.0.1.0"
            "two_digit_minor|2.10.0|2, 10, 0, 0|2.10|2.10.0.0"
            "largest|255.99.65535|255, 99, 65535, 0|255.99.65535|255.99.65535.0"
            "two_parts|1.0|refused" "leading_zero|1.01.0|refused" "suffix|1.0.1-rc1|refused"
            "major_past_255|256.0.0|refused" "minor_past_99|1.100.0|refused" "patch_past_65535|1.0.65536|refused")
  string(REGEX MATCH "^([^|]+)\\|([^|]+)\\|(.*)$" fields "${row}")
  set(name ${CMAKE_MATCH_1})
  set(version ${CMAKE_MATCH_2})
  set(want "${CMAKE_MATCH_3}")
  morvana_version_forms("${version}" got)
  set(result "${got_NUMBERS}|${got_TEXT}|${got_FILE}")
  if(got_ERROR)
    set(result refused)
  endif()
  if(NOT result STREQUAL want)
    message(STATUS "FAILED ${name}: ${version} gave \"${result}\", expected \"${want}\"")
    math(EXPR failed "${failed} + 1")
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "${failed} rows failed")
endif()

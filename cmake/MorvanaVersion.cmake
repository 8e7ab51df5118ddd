# The one version number of a release, major.minor.patch, and the forms the
# release files carry it in. The root CMakeLists.txt takes it from the cache
# variable MORVANA_VERSION.
#
#   morvana_version_forms(<version> <prefix>) sets, in the caller:
#     <prefix>_ERROR    why <version> cannot be used, or nothing
#     <prefix>_NUMBERS  the version resource's fixed part: "1, 0, 1, 0" for 1.0.1
#     <prefix>_TEXT     its FileVersion and ProductVersion texts: "1.00" for
#                       1.0.0, and the patch after them when there is one: "1.00.1"
#     <prefix>_FILE     the four-part file version Windows Installer compares: "1.0.1.0"
#
# Windows Installer keeps at most 255.255.65535 of a product version, and the
# minor number is written with two digits, so larger numbers are refused.
function(morvana_version_forms version prefix)
  foreach(form ERROR NUMBERS TEXT FILE)
    unset(${prefix}_${form} PARENT_SCOPE)
  endforeach()
  if(NOT version MATCHES "^(0|[1-9][0-9]*)\\.(0|[1-9][0-9]*)\\.(0|[1-9][0-9]*)$")
    set(${prefix}_ERROR "\"${version}\" is not major.minor.patch, such as 1.0.1" PARENT_SCOPE)
    return()
  endif()
  set(major ${CMAKE_MATCH_1})
  set(minor ${CMAKE_MATCH_2})
  set(patch ${CMAKE_MATCH_3})
  if(major GREATER 255 OR minor GREATER 99 OR patch GREATER 65535)
    set(${prefix}_ERROR "\"${version}\" is past 255.99.65535" PARENT_SCOPE)
    return()
  endif()
  string(LENGTH "${minor}" digits)
  if(digits EQUAL 1)
    set(minor_text 0${minor})
  else()
    set(minor_text ${minor})
  endif()
  set(text ${major}.${minor_text})
  if(patch GREATER 0)
    string(APPEND text .${patch})
  endif()
  set(${prefix}_NUMBERS "${major}, ${minor}, ${patch}, 0" PARENT_SCOPE)
  set(${prefix}_TEXT ${text} PARENT_SCOPE)
  set(${prefix}_FILE ${major}.${minor}.${patch}.0 PARENT_SCOPE)
endfunction()

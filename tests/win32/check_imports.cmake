cmake_minimum_required(VERSION 3.25)
# Fails unless PROGRAM imports only DLLs that every Windows installation has,
# and its header turns on ASLR (high-entropy too), DEP and Terminal Server
# awareness, the protections the loader applies.
#   cmake -DPROGRAM=Morvana.exe -DOBJDUMP=x86_64-w64-mingw32-objdump -P check_imports.cmake
set(system_dlls advapi32 comctl32 gdi32 kernel32 msvcrt ole32 oleacc oleaut32 shell32 user32 uxtheme version)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "objdump could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "no imports found in ${PROGRAM}")
endif()
foreach(line IN LISTS lines)
  string(REGEX REPLACE "DLL Name: ([^.]+)\\.[dD][lL][lL].*" "\\1" dll "${line}")
  string(TOLOWER "${dll}" dll)
  message(STATUS "imports ${dll}.dll")
  if(NOT dll IN_LIST system_dlls)
    message(FATAL_ERROR "${PROGRAM} imports ${dll}.dll, which Windows does not ship")
  endif()
endforeach()
string(REGEX MATCH "DllCharacteristics.*SizeOfStackReserve" flags "${dump}")
foreach(flag HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE)
  if(NOT flags MATCHES "${flag}")
    message(FATAL_ERROR "${PROGRAM}'s header lacks ${flag}")
  endif()
endforeach()

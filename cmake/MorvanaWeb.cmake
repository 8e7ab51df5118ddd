# Programs for the browser, built with Debian's Emscripten.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# Emscripten's optimiser runs under Node and needs the acorn module of
# Debian's node-acorn. A Node that is not Debian's own finds it only through
# NODE_PATH, so every link step gets it.
set(MORVANA_NODE_PATH /usr/share/nodejs)
if(NOT "$ENV{NODE_PATH}" STREQUAL "")
  string(APPEND MORVANA_NODE_PATH ":$ENV{NODE_PATH}")
endif()

# morvana_web_program(<target> SOURCES ... LIBRARIES ... LINK_OPTIONS ...)
# A program for Node or the browser, linked with the node path set.
function(morvana_web_program target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES;LINK_OPTIONS")
  add_executable(${target} ${arg_SOURCES})
  target_link_libraries(${target} PRIVATE ${arg_LIBRARIES} morvana_options)
  target_link_options(${target} PRIVATE ${arg_LINK_OPTIONS})
  set_target_properties(${target} PROPERTIES CXX_LINKER_LAUNCHER
                                             "${CMAKE_COMMAND};-E;env;NODE_PATH=${MORVANA_NODE_PATH}")
endfunction()

# morvana_web_page(<target> <page.html> SOURCES ... LIBRARIES ... [JS_LIBRARY file])
# One self-contained page, made by <target>: the JavaScript and WebAssembly of
# the program <target>_program and the program's icon, inline
# (src/ui/web/make_page.py). Morvana.html and the start-up benchmark's floor
# are both made so, with the same flags.
function(morvana_web_page target page)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "JS_LIBRARY" "SOURCES;LIBRARIES")
  set(link_options
      # For the browser only, with no file system, no eval and no errno.
      -sENVIRONMENT=web -sFILESYSTEM=0 -sDYNAMIC_EXECUTION=0 -sSUPPORT_ERRNO=0
      # The page hands the module in, and hears when it cannot run;
      # nothing else comes from outside.
      "-sINCOMING_MODULE_JS_API=[wasmBinary,onAbort]"
      # A pasted text of any length must fit.
      -sALLOW_MEMORY_GROWTH=1 -sMALLOC=emmalloc -sTEXTDECODER=2)
  if(arg_JS_LIBRARY)
    list(APPEND link_options --js-library ${arg_JS_LIBRARY})
  endif()
  set(program ${target}_program)
  morvana_web_program(${program} SOURCES ${arg_SOURCES} LIBRARIES ${arg_LIBRARIES} LINK_OPTIONS ${link_options})
  if(arg_JS_LIBRARY)
    set_target_properties(${program} PROPERTIES LINK_DEPENDS ${arg_JS_LIBRARY})
  endif()

  set(make_page ${PROJECT_SOURCE_DIR}/src/ui/web/make_page.py)
  set(icon ${PROJECT_SOURCE_DIR}/res/morvana.ico)
  add_custom_command(
    OUTPUT ${page}
    COMMAND Python3::Interpreter ${make_page} $<TARGET_FILE:${program}> ${icon} ${page}
    DEPENDS ${program} ${make_page} ${PROJECT_SOURCE_DIR}/tools/make_icon.py ${icon}
    COMMENT "Page ${page}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${page})
endfunction()

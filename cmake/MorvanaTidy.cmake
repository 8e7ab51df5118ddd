# morvana_tidy(TARGETS ...)
# The `tidy` target: clang-tidy over the C++ sources of these targets, with
# this build's own compile commands. For a cross build it also gets the
# target and the C++ headers of the cross compiler, which clang does not
# find by itself. The same way for every build:
#   cmake --build --preset <preset> --target tidy
find_program(MORVANA_CLANG_TIDY clang-tidy)

function(morvana_tidy)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "" "TARGETS")
  if(NOT MORVANA_CLANG_TIDY)
    return()
  endif()
  set(sources)
  foreach(target ${arg_TARGETS})
    get_target_property(folder ${target} SOURCE_DIR)
    get_target_property(files ${target} SOURCES)
    foreach(file ${files})
      if(file MATCHES "\\.cpp$")
        cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY ${folder} NORMALIZE)
        list(APPEND sources ${file})
      endif()
    endforeach()
  endforeach()

  set(extra)
  if(EMSCRIPTEN)
    list(APPEND extra --extra-arg=--target=wasm32-unknown-emscripten)
  elseif(CMAKE_CROSSCOMPILING AND WIN32)
    list(APPEND extra --extra-arg=--target=${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
  endif()
  if(CMAKE_CROSSCOMPILING)
    foreach(folder ${CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES})
      # The C++ library's headers only: clang keeps its own built-in ones.
      if(folder MATCHES "/c\\+\\+(/|$)")
        list(APPEND extra --extra-arg=-isystem${folder})
      endif()
    endforeach()
  endif()
  if(EMSCRIPTEN)
    list(APPEND extra --extra-arg=--sysroot=${EMSCRIPTEN_SYSROOT})
  endif()

  # clang-tidy counts the warnings it leaves unsaid in every file; only what it says matters.
  add_custom_target(tidy
    COMMAND bash -o pipefail -c [[clang-tidy "$@" 2>&1 | { grep -v 'warnings generated' || true; }]] tidy
            -p ${CMAKE_BINARY_DIR} --quiet ${extra} ${sources}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "clang-tidy over ${arg_TARGETS}"
    VERBATIM)
endfunction()

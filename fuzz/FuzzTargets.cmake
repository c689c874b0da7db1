# The fuzz targets: every fuzz/<name>.cpp defines LLVMFuzzerTestOneInput (and
# may define LLVMFuzzerInitialize); its seeds are in fuzz/corpus/<name>/. A
# line "// Libraries: a b c" near its top names the libraries it links.
#
# tarvik_fuzz_targets(<out>): the names of all targets.
# tarvik_fuzz_libraries(<name> <out>): the libraries target <name> links.
set(TARVIK_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})

function(tarvik_fuzz_targets out)
  file(GLOB _sources CONFIGURE_DEPENDS ${TARVIK_FUZZ_DIR}/*.cpp)
  set(_names)
  foreach(_source ${_sources})
    get_filename_component(_name ${_source} NAME_WE)
    list(APPEND _names ${_name})
  endforeach()
  list(SORT _names)
  set(${out} ${_names} PARENT_SCOPE)
endfunction()

function(tarvik_fuzz_libraries name out)
  file(STRINGS ${TARVIK_FUZZ_DIR}/${name}.cpp _line REGEX "^// Libraries:" LIMIT_COUNT 1)
  if(NOT _line)
    message(FATAL_ERROR "fuzz/${name}.cpp: no \"// Libraries:\" line")
  endif()
  string(REGEX REPLACE "^// Libraries:[ \t]*" "" _line "${_line}")
  separate_arguments(_libraries UNIX_COMMAND "${_line}")
  set(${out} ${_libraries} PARENT_SCOPE)
endfunction()

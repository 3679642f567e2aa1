# Each folder of the program is a layer whose headers are reached as
# "<folder>/name.h". A target sees the headers of its own layer and of the
# layers it links, and no others: every layer gets an include root of its own
# in the build tree, holding links to its headers alone. An include that
# reaches upward or sideways therefore fails to compile, instead of building
# quietly and failing only at link time, or not at all for a header-only use.

# morvane_layer(<target> <folder>): <folder>'s headers become reachable as
# "<folder>/..." to <target> and to what links it. Subfolders are layers of
# their own and stay out of it.
function(morvane_layer target folder)
  string(REPLACE "/" "-" key "${folder}")
  set(root "${PROJECT_BINARY_DIR}/layers/${key}")
  file(REMOVE_RECURSE "${root}")
  file(MAKE_DIRECTORY "${root}/${folder}")
  file(GLOB headers CONFIGURE_DEPENDS RELATIVE "${PROJECT_SOURCE_DIR}/${folder}" "${PROJECT_SOURCE_DIR}/${folder}/*.h")
  foreach(header IN LISTS headers)
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}/${header}" "${root}/${folder}/${header}" SYMBOLIC)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE "${root}")
  else()
    target_include_directories(${target} PUBLIC "${root}")
    target_compile_options(${target} PRIVATE ${MORVANE_WARNINGS})
  endif()
endfunction()

# morvane_layer_probe(<name> <target> <header> REACHABLE|UNREACHABLE): a test
# that compiles the single line `#include "<header>"` with the include roots
# <target> sees, and passes when the header is reachable as said. It builds a
# target of the build tree, so the probes take turns.
function(morvane_layer_probe name target header expect)
  set(source "${PROJECT_BINARY_DIR}/layer_probes/${name}.cpp")
  file(CONFIGURE OUTPUT "${source}" CONTENT "#include \"${header}\"\n")
  add_library(${name} OBJECT EXCLUDE_FROM_ALL "${source}")
  target_link_libraries(${name} PRIVATE ${target})
  add_test(NAME LayerRule.${name} COMMAND ${CMAKE_COMMAND} --build "${PROJECT_BINARY_DIR}" --target ${name})
  set_tests_properties(LayerRule.${name} PROPERTIES RESOURCE_LOCK build_tree)
  if(expect STREQUAL "UNREACHABLE")
    # GCC's and clang's words for a header that is not on the include path.
    string(REPLACE "." "\\." pattern "${header}")
    set_tests_properties(LayerRule.${name} PROPERTIES
      PASS_REGULAR_EXPRESSION "${pattern}'?:? (No such file or directory|file not found)")
  elseif(NOT expect STREQUAL "REACHABLE")
    message(FATAL_ERROR "morvane_layer_probe: REACHABLE or UNREACHABLE, not ${expect}")
  endif()
endfunction()

# Each folder of the program is a layer whose headers are reached as
# "<folder>/name.h". A target sees the headers of its own layer and of the
# layers it links, and no others: every layer gets an include root of its own
# in the build tree, holding nothing but a link to its folder. An include that
# reaches upward or sideways therefore fails to compile, instead of building
# quietly and failing only at link time, or not at all for a header-only use.

# morvane_layer(<target> <folder>): <folder>'s headers become reachable as
# "<folder>/..." to <target> and to what links it.
function(morvane_layer target folder)
  string(REPLACE "/" "-" key "${folder}")
  set(root "${PROJECT_BINARY_DIR}/layers/${key}")
  get_filename_component(parent "${root}/${folder}" DIRECTORY)
  file(MAKE_DIRECTORY "${parent}")
  file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE "${root}")
  else()
    target_include_directories(${target} PUBLIC "${root}")
    target_compile_options(${target} PRIVATE ${MORVANE_WARNINGS})
  endif()
endfunction()

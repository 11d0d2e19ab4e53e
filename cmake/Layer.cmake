# The layers of the program. Each layer folder builds one static library, and sees only its own
# headers and those of the layers it uses (directly or through them): the include path of a layer
# is a folder of links to exactly those folders, so a header of a layer above it, or beside it,
# is not found and the build stops. The same table feeds the layer-includes test, which also
# reads headers that no source of the layer compiles.
#
# sdwlan_layer(NAME DIRS dir... [USES layer...] [LIBS lib...])
#   NAME  the library; DIRS  folders below the source root; USES  layers below this one;
#   LIBS  other libraries to link (threads, third-party packages).
# A layer without sources yet gives an interface library, so the layer graph stays whole.

set(SDWLAN_LAYER_TABLE ${CMAKE_BINARY_DIR}/layers.txt)
file(WRITE ${SDWLAN_LAYER_TABLE} "")

function(sdwlan_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 L "" "" "DIRS;USES;LIBS")
  set(visible ${L_DIRS})
  foreach(used IN LISTS L_USES)
    get_property(used_dirs GLOBAL PROPERTY SDWLAN_LAYER_VISIBLE_${used})
    if(NOT used_dirs)
      message(FATAL_ERROR "layer ${name} uses ${used}, which is not declared before it")
    endif()
    list(APPEND visible ${used_dirs})
  endforeach()
  list(REMOVE_DUPLICATES visible)
  set_property(GLOBAL PROPERTY SDWLAN_LAYER_VISIBLE_${name} ${visible})

  # The include folder: one link per visible layer folder, at its path below the source root.
  set(include_root ${CMAKE_BINARY_DIR}/layers/${name})
  file(REMOVE_RECURSE ${include_root})
  foreach(dir IN LISTS visible)
    get_filename_component(parent ${include_root}/${dir} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${dir} ${include_root}/${dir} SYMBOLIC)
  endforeach()
  foreach(dir IN LISTS L_DIRS)
    list(JOIN visible "," allowed)
    file(APPEND ${SDWLAN_LAYER_TABLE} "${dir}=${allowed}\n")
  endforeach()

  set(srcs "")
  foreach(dir IN LISTS L_DIRS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND srcs ${found})
  endforeach()
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PRIVATE ${include_root})
    target_link_libraries(${name} PUBLIC ${L_USES} ${L_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${L_USES} ${L_LIBS})
  endif()
endfunction()

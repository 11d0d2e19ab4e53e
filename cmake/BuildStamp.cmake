# sdwlan_build_stamp(OUT_HEADER): writes OUT_HEADER defining SDWLAN_BUILD_STAMP, a digest of every
# header of the tree, the compiler and the build type. The program and its modules share types
# and inline code through those headers, so a module whose stamp differs from the program's was
# built from other declarations and must not be loaded. The file is rewritten only when the
# digest changes, so an unchanged tree recompiles nothing.
function(sdwlan_build_stamp out_header)
  # The code's folders: not the tests, benchmarks and fuzzers, nor a build tree in the source.
  file(GLOB folders LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/*)
  set(headers)
  foreach(folder IN LISTS folders)
    get_filename_component(name ${folder} NAME)
    if(NOT IS_DIRECTORY ${folder} OR EXISTS ${folder}/CMakeCache.txt
       OR name MATCHES "^(\\..*|build.*|tests|bench|fuzz)$")
      continue()
    endif()
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${folder}/*.h)
    list(APPEND headers ${found})
  endforeach()
  list(SORT headers)
  set(digests "${CMAKE_CXX_COMPILER_ID} ${CMAKE_CXX_COMPILER_VERSION} ${CMAKE_BUILD_TYPE}")
  foreach(header IN LISTS headers)
    file(SHA256 ${header} digest)
    file(RELATIVE_PATH name ${CMAKE_SOURCE_DIR} ${header})
    string(APPEND digests "\n${name} ${digest}")
  endforeach()
  string(SHA256 stamp "${digests}")
  string(SUBSTRING ${stamp} 0 16 stamp)
  file(CONFIGURE OUTPUT ${out_header}
       CONTENT "// Generated at configure time (cmake/BuildStamp.cmake).\n#pragma once\n#define SDWLAN_BUILD_STAMP \"${stamp}\"\n")
endfunction()

# The layering of src/, stated by the build: one library per folder, linking only the
# libraries of the folders it may use, and configuring fails when a file of a folder
# includes a header of a folder it may not use.

# tarvio_check_includes(FOLDER SOURCES files... USES folders...)
function(tarvio_check_includes folder)
  cmake_parse_arguments(ARG "" "" "SOURCES;USES" ${ARGN})
  foreach(file ${ARG_SOURCES})
    file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/${file} lines REGEX "^#include \"")
    foreach(line ${lines})
      if(line MATCHES "^#include \"([a-z0-9_/]+)/[^/\"]+\"")
        set(used ${CMAKE_MATCH_1})
        if(NOT used STREQUAL folder AND NOT used IN_LIST ARG_USES)
          message(FATAL_ERROR "src/${folder}/${file} includes a header of ${used}/, which ${folder}/ may not use")
        endif()
      endif()
    endforeach()
  endforeach()
endfunction()

# tarvio_library(FOLDER SOURCES files... USES folders...): the library tarvio_<folder>
# (slashes become underscores) of the folder's sources and headers.
function(tarvio_library folder)
  cmake_parse_arguments(ARG "" "" "SOURCES;USES" ${ARGN})
  string(REPLACE "/" "_" name "tarvio_${folder}")
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  foreach(use ${ARG_USES})
    string(REPLACE "/" "_" library "tarvio_${use}")
    target_link_libraries(${name} PUBLIC ${library})
  endforeach()
  tarvio_check_includes(${folder} SOURCES ${ARG_SOURCES} USES ${ARG_USES})
endfunction()

# SPDX-License-Identifier: GPL-3.0-or-later
# fundis_library(NAME FOLDER SOURCES ... [LINKS target...] [QT]): one static library a folder. It
# links the libraries of the floors below it (LINKS) and may include only their folders and its
# own: the build checks every "core/..." and "gui/..." include of the folder against them.
function(fundis_library name)
  cmake_parse_arguments(ARG "QT" "FOLDER" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
  set(allowed "${ARG_FOLDER}")
  foreach(link IN LISTS ARG_LINKS)
    target_link_libraries(${name} PUBLIC ${link})
    if(TARGET ${link})
      get_target_property(below ${link} FUNDIS_FOLDERS)
      if(below)
        list(APPEND allowed ${below})
      endif()
    endif()
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set_target_properties(${name} PROPERTIES FUNDIS_FOLDERS "${allowed}")
  if(ARG_QT)
    target_link_libraries(${name} PUBLIC Qt6::Widgets Qt6::PrintSupport Qt6::Svg)
  elseif(FUNDIS_FUZZ)
    # the core gets the fuzzer's coverage instrumentation and the sanitizers
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer-no-link,${FUNDIS_FUZZ_SANITIZERS})
    target_link_options(${name} INTERFACE -fsanitize=${FUNDIS_FUZZ_SANITIZERS})
  endif()

  file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  set(checked "")
  foreach(source IN LISTS ARG_SOURCES headers)
    get_filename_component(source "${source}" ABSOLUTE)
    if(source MATCHES "\\.(cpp|h)$")
      list(APPEND checked "${source}")
    endif()
  endforeach()
  set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${name}.floors")
  add_custom_command(OUTPUT "${stamp}"
    COMMAND "${CMAKE_COMMAND}" "-DFOLDER=${ARG_FOLDER}" "-DALLOWED=${allowed}" "-DSOURCES=${checked}"
            "-DSTAMP=${stamp}" -P "${PROJECT_SOURCE_DIR}/cmake/CheckFloors.cmake"
    DEPENDS ${checked} "${PROJECT_SOURCE_DIR}/cmake/CheckFloors.cmake"
    COMMENT "Checking the includes of ${ARG_FOLDER} against its floors" VERBATIM)
  add_custom_target(${name}_floors DEPENDS "${stamp}")
  add_dependencies(${name} ${name}_floors)
endfunction()

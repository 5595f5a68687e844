# SPDX-License-Identifier: GPL-3.0-or-later
# Run at build time for one library: every "core/..." or "gui/..." include of its sources must name
# its own folder or a folder of a library it links. An include that breaks a floor fails the build.
#   cmake -DFOLDER=core/calc -DALLOWED="core/calc;core/model" -DSOURCES="a.cpp;a.h" -DSTAMP=file -P CheckFloors.cmake
set(broken "")
cmake_minimum_required(VERSION 3.25)
foreach(source IN LISTS SOURCES)
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"(core|gui)/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" header "${line}")
    get_filename_component(folder "${header}" DIRECTORY)
    if(NOT folder IN_LIST ALLOWED)
      string(APPEND broken "\n  ${source}: #include \"${header}\"")
    endif()
  endforeach()
endforeach()
if(broken)
  message(FATAL_ERROR "${FOLDER} may include only ${ALLOWED}; these includes break its floor:${broken}")
endif()
file(WRITE "${STAMP}" "")

# SPDX-License-Identifier: GPL-3.0-or-later
# fundis_headers: Debian's header-only libraries the core uses, libfmt (the texts of floating-point
# numbers) and fast_float (reading them). The desktop build finds them in the system's include
# folder; the browser build may not look there (it holds glibc's headers), so it gets the two
# libraries' folders linked into a folder of its own.
add_library(fundis_headers INTERFACE)
if(EMSCRIPTEN)
  set(FUNDIS_HEADERS_DIR "${CMAKE_BINARY_DIR}/headers")
  file(MAKE_DIRECTORY "${FUNDIS_HEADERS_DIR}")
  foreach(library fmt fast_float)
    if(NOT EXISTS "/usr/include/${library}")
      message(FATAL_ERROR "/usr/include/${library} is missing: run scripts/install-deps.sh")
    endif()
    file(CREATE_LINK "/usr/include/${library}" "${FUNDIS_HEADERS_DIR}/${library}" SYMBOLIC)
  endforeach()
  target_include_directories(fundis_headers SYSTEM INTERFACE "${FUNDIS_HEADERS_DIR}")
endif()

# The WebAssembly build (emcmake cmake): the Qt-free core and the command
# line's calculating code, for the browser edition in web/.
if(VANTREL_GUI OR VANTREL_TESTS OR VANTREL_BENCH OR VANTREL_FUZZ)
  message(FATAL_ERROR "The WebAssembly build takes -DVANTREL_GUI=OFF -DVANTREL_TESTS=OFF "
                      "-DVANTREL_BENCH=OFF (as 'make web' gives)")
endif()

# The chain's error traps throw; Emscripten's default would abort on the first throw.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)

# The header-only libraries come from the host's /usr/include, whose C and C++
# library headers must not reach this build: each library's own folder is
# copied into the build folder and included from there.
set(host_headers ${PROJECT_BINARY_DIR}/host-headers)
foreach(library nlohmann fast_float fmt)
  if(NOT EXISTS /usr/include/${library})
    message(FATAL_ERROR "/usr/include/${library} is missing: 'make web' installs it")
  endif()
  file(COPY /usr/include/${library} DESTINATION ${host_headers})
endforeach()
include_directories(SYSTEM ${host_headers})
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)

# em++ links through Node, which finds Debian's acorn only through NODE_PATH.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)

# CLI11 and nlohmann/json, both header-only. Natively they come from their CMake packages. A
# cross-build takes the same Debian headers through a folder of links that holds nothing else,
# as their packages would add the build machine's /usr/include, whose C library headers must
# not take the place of the target's.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(CLI11 REQUIRED)
  find_package(nlohmann_json REQUIRED)
  return()
endif()

set(TESSALY_HEADER_ONLY_DIR ${CMAKE_BINARY_DIR}/header-only)
file(MAKE_DIRECTORY ${TESSALY_HEADER_ONLY_DIR})
foreach(entry CLI11::CLI11=CLI nlohmann_json::nlohmann_json=nlohmann)
  string(REPLACE "=" ";" entry ${entry})
  list(GET entry 0 target)
  list(GET entry 1 folder)
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "No /usr/include/${folder} for ${target} (install libcli11-dev and nlohmann-json3-dev)")
  endif()
  file(CREATE_LINK /usr/include/${folder} ${TESSALY_HEADER_ONLY_DIR}/${folder} SYMBOLIC)
  add_library(${target} INTERFACE IMPORTED)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${TESSALY_HEADER_ONLY_DIR})
endforeach()

# CLI11, nlohmann/json and Eigen, all header-only. Natively they come from their CMake
# packages. A cross-build takes the same Debian headers through a folder of links that holds
# nothing else, as their packages would add the build machine's /usr/include, whose C library
# headers must not take the place of the target's.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(CLI11 REQUIRED)
  find_package(nlohmann_json REQUIRED)
  find_package(Eigen3 3.3 REQUIRED NO_MODULE)
  return()
endif()

set(TESSALY_HEADER_ONLY_DIR ${CMAKE_BINARY_DIR}/header-only)
file(MAKE_DIRECTORY ${TESSALY_HEADER_ONLY_DIR})
# target=folder under /usr/include=the include folder its users name, relative to the links
foreach(entry CLI11::CLI11=CLI=. nlohmann_json::nlohmann_json=nlohmann=. Eigen3::Eigen=eigen3=eigen3)
  string(REPLACE "=" ";" entry ${entry})
  list(GET entry 0 target)
  list(GET entry 1 folder)
  list(GET entry 2 include)
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "No /usr/include/${folder} for ${target} "
                        "(install libcli11-dev, nlohmann-json3-dev and libeigen3-dev)")
  endif()
  file(CREATE_LINK /usr/include/${folder} ${TESSALY_HEADER_ONLY_DIR}/${folder} SYMBOLIC)
  add_library(${target} INTERFACE IMPORTED)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${TESSALY_HEADER_ONLY_DIR}/${include})
endforeach()

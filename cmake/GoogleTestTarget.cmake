# GoogleTest for the tests: the installed package, or, when building for another system (where
# no GoogleTest library for the target is installed), built here from Debian's sources
# (package googletest, /usr/src/googletest).
find_package(GTest QUIET)
if(NOT GTest_FOUND)
  set(TESSALY_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build when no GoogleTest is installed")
  if(NOT EXISTS ${TESSALY_GOOGLETEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest for this target and no sources at ${TESSALY_GOOGLETEST_SOURCE}")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${TESSALY_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# tessaly_discover_tests(target PROPERTIES ...): registers each test of a GoogleTest
# executable with CTest. A cross-built executable is asked for its tests when ctest runs (under
# the emulator, which starts slower), not after every link.
function(tessaly_discover_tests target)
  if(CMAKE_CROSSCOMPILING)
    gtest_discover_tests(${target} ${ARGN} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
  else()
    gtest_discover_tests(${target} ${ARGN} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

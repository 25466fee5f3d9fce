# Tests of the simulated analyzer, labelled "core" so that they also run under the sanitizers.
# Included into the top-level directory once that has enabled testing (see ../CMakeLists.txt).
find_package(GTest REQUIRED)
include(GoogleTest)
add_executable(test_sim_analyzer
  ${CMAKE_CURRENT_LIST_DIR}/SimTestSupport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LegacyAnalyzerTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PnaAnalyzerTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AnalyzerStateTest.cpp
)
target_link_libraries(test_sim_analyzer PRIVATE tessaly_sim_analyzer GTest::gtest GTest::gtest_main)
gtest_discover_tests(test_sim_analyzer PROPERTIES LABELS core DISCOVERY_TIMEOUT 60)

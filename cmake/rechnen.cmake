# Command line of the batch program velko-rechnen, tested on its own.
add_executable(test_rechnen tests/cli/rechnen_optionen_test.cpp cli/rechnen_optionen.cpp)
target_link_libraries(test_rechnen GTest::gtest GTest::gtest_main)
gtest_discover_tests(test_rechnen DISCOVERY_TIMEOUT 60)

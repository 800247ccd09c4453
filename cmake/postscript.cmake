# The plot options of velko-rechnen, tested with the option parser alone, and
# one run of the program that writes a plot.

add_executable(test_ps_optionen tests/cli/ps_optionen_test.cpp)
target_link_libraries(test_ps_optionen velko_cli GTest::gtest GTest::gtest_main)
gtest_discover_tests(test_ps_optionen DISCOVERY_TIMEOUT 60 PROPERTIES LABELS unit)

add_test(NAME rechnen_ps_rahmen
  COMMAND sh -c "\"$1\" --katalog \"$2\" --ps \"$3\" --seiten system,moment --querformat \"$4\" >/dev/null 2>&1 && grep -c '^showpage$' \"$3\""
          sh $<TARGET_FILE:velko-rechnen> ${CMAKE_SOURCE_DIR}/daten/verwaltung
          ${CMAKE_CURRENT_BINARY_DIR}/rahmen_ps_test.ps ${CMAKE_SOURCE_DIR}/beispiele/rahmen.sysdat)
set_tests_properties(rechnen_ps_rahmen PROPERTIES LABELS e2e PASS_REGULAR_EXPRESSION "^2[\r\n]*$")

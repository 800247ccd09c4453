# Installation:  cmake --install <build> --prefix PREFIX
#
#   PREFIX/bin                      velko, velko-rechnen
#   PREFIX/share/velko              verwaltung/ (catalogues, colours, icons,
#                                   credits), hilfe/, beispiele/
#   PREFIX/share/applications       velko.desktop
#   PREFIX/share/icons/hicolor/48x48/apps/velko.png
#   PREFIX/share/man/man1           velko.1, velko-rechnen.1
#
# The programs find their data as ../share/velko from their own directory
# (files/installation.h), so these destinations are fixed rather than taken
# from GNUInstallDirs, and no prefix is compiled in: a moved prefix works.

set(velko_daten share/velko)

install(DIRECTORY ${CMAKE_SOURCE_DIR}/daten/verwaltung ${CMAKE_SOURCE_DIR}/daten/hilfe
        DESTINATION ${velko_daten})
file(GLOB velko_beispiele CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/beispiele/*.sysdat ${CMAKE_SOURCE_DIR}/beispiele/*.massdat)
install(FILES ${velko_beispiele} DESTINATION ${velko_daten}/beispiele)
install(FILES ${CMAKE_SOURCE_DIR}/daten/man/velko.1 ${CMAKE_SOURCE_DIR}/daten/man/velko-rechnen.1
        DESTINATION share/man/man1)

# The targets are defined by other files of this folder (in whatever order
# they are read): their rules are added once the whole project is known.
function(velko_programme_installieren)
  install(TARGETS velko-rechnen RUNTIME DESTINATION bin)
  if(TARGET velko)
    install(TARGETS velko RUNTIME DESTINATION bin)
    install(FILES ${CMAKE_SOURCE_DIR}/daten/desktop/velko.desktop DESTINATION share/applications)
    install(FILES ${CMAKE_SOURCE_DIR}/daten/desktop/velko.png DESTINATION share/icons/hicolor/48x48/apps)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL velko_programme_installieren)

# The manual page of velko-rechnen names every option of the program.
add_executable(test_handbuch tests/cli/handbuch_test.cpp cli/rechnen_optionen.cpp)
target_link_libraries(test_handbuch GTest::gtest GTest::gtest_main)
gtest_discover_tests(test_handbuch DISCOVERY_TIMEOUT 60
  PROPERTIES LABELS unit ENVIRONMENT "VELKO_QUELLEN=${CMAKE_SOURCE_DIR}")

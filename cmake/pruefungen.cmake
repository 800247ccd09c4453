# Checks of the sources themselves, run with every build (a wrong-way
# include or a literal that would reach the user as UTF-8 fails the build)
# and as tests.
find_package(Python3 COMPONENTS Interpreter)
if(NOT Python3_Interpreter_FOUND)
  message(STATUS "python3 not found: the source checks are not run")
  return()
endif()
foreach(pruefung schichten literale)
  add_custom_target(${pruefung}_pruefen ALL
    COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/scripts/${pruefung}_pruefen.py ${CMAKE_SOURCE_DIR}
    COMMENT "Quellen: ${pruefung}" VERBATIM)
  add_test(NAME quellen_${pruefung}
    COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/scripts/${pruefung}_pruefen.py ${CMAKE_SOURCE_DIR})
  set_tests_properties(quellen_${pruefung} PROPERTIES LABELS unit)
endforeach()

# The canvas under Xvfb: the moment diagram of a computed frame; marking
# bars, the bar menu, a tooltip and zooming; the scale window.
# Needs the program window and a test display; registered only when both
# are wanted.
if(NOT VELKO_GUI OR NOT VELKO_GUI_TESTS OR NOT TARGET velko)
  return()
endif()
find_program(ZEICHNEN_XVFB Xvfb)
find_program(ZEICHNEN_XDOTOOL xdotool)
find_program(ZEICHNEN_IMPORT import)
if(NOT ZEICHNEN_XVFB OR NOT ZEICHNEN_XDOTOOL OR NOT ZEICHNEN_IMPORT)
  message(STATUS "Xvfb, xdotool or ImageMagick missing: the canvas tests are not run")
  return()
endif()
foreach(name moment auswahl massstab)
  add_test(NAME gui_zeichnen_${name}
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/gui/zeichnen_${name}.sh $<TARGET_FILE:velko>)
  set_tests_properties(gui_zeichnen_${name} PROPERTIES TIMEOUT 120 LABELS gui
    ENVIRONMENT "VELKO_QUELLEN=${CMAKE_SOURCE_DIR}")
endforeach()

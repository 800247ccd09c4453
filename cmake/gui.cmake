# The X11/XForms program `velko`: built only when VELKO_GUI is on and the
# toolkit is installed.  Every source of gui/ is picked up by glob, so new
# windows and dialogs need no edit here.
if(NOT VELKO_GUI)
  return()
endif()

find_path(XFORMS_INCLUDE_DIR forms.h)
find_library(XFORMS_LIBRARY forms)
find_library(XPM_LIBRARY Xpm)
find_package(X11)
if(NOT XFORMS_INCLUDE_DIR OR NOT XFORMS_LIBRARY OR NOT XPM_LIBRARY OR NOT X11_FOUND)
  message(STATUS "XForms, libXpm or Xlib not found: the program velko is not built")
  return()
endif()

# Everything that includes the toolkit is one library; the program is its
# start-up.  Windows call each other through plain declarations, so a
# missing one is a link error.
file(GLOB velko_gui_quellen CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/gui/*.cpp)
list(REMOVE_ITEM velko_gui_quellen ${CMAKE_SOURCE_DIR}/gui/start.cpp)
add_library(velko_gui STATIC ${velko_gui_quellen})
target_include_directories(velko_gui PUBLIC ${XFORMS_INCLUDE_DIR} ${X11_INCLUDE_DIR})
target_link_libraries(velko_gui PUBLIC velko_workspace ${XFORMS_LIBRARY} ${XPM_LIBRARY} ${X11_LIBRARIES} m)
add_executable(velko ${CMAKE_SOURCE_DIR}/gui/start.cpp)
target_link_libraries(velko velko_gui)

# Tests that drive the window under their own Xvfb.
if(VELKO_GUI_TESTS)
  find_program(XVFB_PROGRAMM Xvfb)
  find_program(XDOTOOL_PROGRAMM xdotool)
  if(XVFB_PROGRAMM AND XDOTOOL_PROGRAMM)
    file(GLOB velko_gui_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/gui/test_*.sh)
    foreach(skript ${velko_gui_tests})
      get_filename_component(name ${skript} NAME_WE)
      add_test(NAME gui_${name} COMMAND bash ${skript} $<TARGET_FILE:velko>)
      set_tests_properties(gui_${name} PROPERTIES TIMEOUT 120 LABELS gui
        ENVIRONMENT "VELKO_QUELLEN=${CMAKE_SOURCE_DIR}")
    endforeach()
  else()
    message(STATUS "Xvfb or xdotool not found: the GUI tests are not run")
  endif()
endif()

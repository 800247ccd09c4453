# One full canvas redraw of a 2,000-bar frame through Xlib into a real
# window (run under Xvfb); not a test.
if(NOT VELKO_BENCHMARK OR NOT VELKO_GUI OR NOT TARGET velko_gui OR NOT TARGET velko_rahmen)
  return()
endif()
add_executable(zeichnen_x_bench ${CMAKE_SOURCE_DIR}/bench/zeichnen_x_bench.cpp)
target_link_libraries(zeichnen_x_bench velko_rahmen velko_gui)

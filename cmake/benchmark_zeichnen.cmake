# Counting and timing of one full canvas redraw of a 2,000-bar frame; not a test.
if(VELKO_BENCHMARK)
  add_executable(zeichnen_bench ${CMAKE_SOURCE_DIR}/bench/zeichnen_bench.cpp)
  target_link_libraries(zeichnen_bench velko_rahmen velko_workspace)
endif()

# Timing of the analysis on generated frames (Google Benchmark); not a test.
if(VELKO_BENCHMARK)
  find_package(benchmark REQUIRED)
  add_executable(analyse_bench ${CMAKE_SOURCE_DIR}/bench/analyse_bench.cpp)
  target_link_libraries(analyse_bench velko_rahmen velko_analysis benchmark::benchmark)
endif()

# Second-order theory side by side with first-order theory on the same frames.
if(VELKO_BENCHMARK)
  add_executable(theorie2_bench ${CMAKE_SOURCE_DIR}/bench/theorie2_bench.cpp)
  target_link_libraries(theorie2_bench velko_rahmen velko_analysis benchmark::benchmark)
endif()

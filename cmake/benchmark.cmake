# Timing of the analysis on generated frames (Google Benchmark); not a test.
if(VELKO_BENCHMARK)
  find_package(benchmark REQUIRED)
  add_executable(analyse_bench ${CMAKE_SOURCE_DIR}/bench/analyse_bench.cpp)
  target_link_libraries(analyse_bench velko_rahmen velko_analysis benchmark::benchmark)
endif()

# Timing of the analysis on generated frames (Google Benchmark); not a test.
if(VELKO_BENCHMARK)
  find_package(benchmark REQUIRED)
  add_executable(analyse_bench ${CMAKE_SOURCE_DIR}/bench/analyse_bench.cpp)
  target_link_libraries(analyse_bench velko_rahmen velko_analysis benchmark::benchmark)

  # The yardstick of bench/vergleich.sh: Eigen's sparse LDL^T on the same
  # frames.  Only this program uses Eigen; without it there is no reference.
  find_package(Eigen3 3.3 QUIET NO_MODULE)
  if(TARGET Eigen3::Eigen)
    add_executable(referenz-eigen ${CMAKE_SOURCE_DIR}/bench/referenz_eigen.cpp)
    target_link_libraries(referenz-eigen Eigen3::Eigen)
  endif()
  add_executable(prozess-messen ${CMAKE_SOURCE_DIR}/bench/prozess_messen.cpp)
endif()

# Second-order theory side by side with first-order theory on the same frames.
if(VELKO_BENCHMARK)
  add_executable(theorie2_bench ${CMAKE_SOURCE_DIR}/bench/theorie2_bench.cpp)
  target_link_libraries(theorie2_bench velko_rahmen velko_analysis benchmark::benchmark)
endif()

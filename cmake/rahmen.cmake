# Generator of rectangular frames, shared by the benchmarks, the analysis
# tests and timings of the batch program.
add_library(velko_rahmen STATIC ${CMAKE_SOURCE_DIR}/bench/rahmen.cpp)
target_link_libraries(velko_rahmen PUBLIC velko_core)
if(TARGET test_analysis)
  target_link_libraries(test_analysis velko_rahmen)
endif()

# Fuzzing of the system file reader.
#
# The replay of fuzz/korpus and fuzz/funde runs in every build as a test.
# With -DVELKO_FUZZ=ON (configure a separate build with CXX=clang++) the
# libFuzzer target is built as well; its sources are compiled into it
# directly so that the reader itself is instrumented:
#   CXX=clang++ cmake -S . -B build-fuzz -DVELKO_FUZZ=ON -DVELKO_GUI=OFF -DVELKO_BENCHMARK=OFF
#   cmake --build build-fuzz --target systemdatei_fuzz
#   build-fuzz/systemdatei_fuzz -max_total_time=600 fuzz/ergebnisse fuzz/korpus

add_executable(systemdatei_nachspielen fuzz/systemdatei_nachspielen.cpp fuzz/systemdatei_fuzz.cpp)
target_link_libraries(systemdatei_nachspielen velko_files)
add_test(NAME systemdatei_fuzz_nachspielen
  COMMAND systemdatei_nachspielen ${CMAKE_SOURCE_DIR}/fuzz/korpus ${CMAKE_SOURCE_DIR}/fuzz/funde)
set_tests_properties(systemdatei_fuzz_nachspielen PROPERTIES LABELS e2e)

if(VELKO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELKO_FUZZ needs clang++ (configure with CXX=clang++)")
  endif()
  set(fuzz_quellen)
  foreach(dir core files)
    file(GLOB q CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND fuzz_quellen ${q})
  endforeach()
  add_executable(systemdatei_fuzz fuzz/systemdatei_fuzz.cpp ${fuzz_quellen})
  target_compile_options(systemdatei_fuzz PRIVATE -fsanitize=fuzzer,address,undefined -fno-omit-frame-pointer)
  target_link_options(systemdatei_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(systemdatei_fuzz m)
endif()

# Fuzzing of every reader: system file, catalogues, colour file, scale file
# and ~/.velko.
#
# The replay of fuzz/korpus/<ziel> and fuzz/funde/<ziel> runs in every build
# as a test.  With -DVELKO_FUZZ=ON (configure a separate build with
# CXX=clang++) the libFuzzer targets are built as well; the sources are
# compiled into them directly so that the readers themselves are
# instrumented:
#   CXX=clang++ cmake -S . -B build-fuzz -DVELKO_FUZZ=ON -DVELKO_GUI=OFF -DVELKO_BENCHMARK=OFF
#   cmake --build build-fuzz --target kataloge_fuzz
#   build-fuzz/kataloge_fuzz -runs=1000000 -close_fd_mask=1 neu/ fuzz/korpus/kataloge
# A crash is saved as crash-<hash>; it belongs into fuzz/funde/<ziel> once
# fixed, so that the replay keeps it covered.

set(velko_fuzz_ziele systemdatei kataloge farben massstab pfade)

foreach(ziel ${velko_fuzz_ziele})
  add_executable(${ziel}_nachspielen fuzz/nachspielen.cpp fuzz/${ziel}_fuzz.cpp)
  target_link_libraries(${ziel}_nachspielen velko_files)
  add_test(NAME ${ziel}_fuzz_nachspielen
    COMMAND ${ziel}_nachspielen ${CMAKE_SOURCE_DIR}/fuzz/korpus/${ziel} ${CMAKE_SOURCE_DIR}/fuzz/funde/${ziel})
  set_tests_properties(${ziel}_fuzz_nachspielen PROPERTIES LABELS e2e)
endforeach()

if(VELKO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELKO_FUZZ needs clang++ (configure with CXX=clang++)")
  endif()
  set(fuzz_quellen)
  foreach(dir core files)
    file(GLOB q CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND fuzz_quellen ${q})
  endforeach()
  # One object library for all targets, so the program is compiled once.
  add_library(velko_fuzz_objekte OBJECT ${fuzz_quellen})
  set(fuzz_optionen -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(velko_fuzz_objekte PRIVATE -fsanitize=fuzzer-no-link,address,undefined
    -fno-sanitize-recover=all -fno-omit-frame-pointer)
  foreach(ziel ${velko_fuzz_ziele})
    add_executable(${ziel}_fuzz fuzz/${ziel}_fuzz.cpp $<TARGET_OBJECTS:velko_fuzz_objekte>)
    # Undefined behaviour aborts, so that libFuzzer keeps the input.
    target_compile_options(${ziel}_fuzz PRIVATE ${fuzz_optionen})
    target_link_options(${ziel}_fuzz PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
    target_link_libraries(${ziel}_fuzz m)
  endforeach()
endif()

# The generator of the example systems in beispiele/ (run by hand after a
# change of beispiele/quelle/beispiele.h; a test checks the files match).
add_executable(velko-beispiele beispiele/quelle/beispiele_erzeugen.cpp)
target_link_libraries(velko-beispiele velko_files)

#!/usr/bin/env bash
# Installs what is missing, checks the sources, builds, and runs every test
# twice: a build with g++ (followed by a check of its installation) and one
# with clang under AddressSanitizer and UndefinedBehaviorSanitizer.
# Warnings are errors in both.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/abhaengigkeiten.sh
jobs=$(nproc)

# Includes against the layers, literals that would reach the user as UTF-8
# (the build runs them too; here they fail before anything is compiled).
python3 scripts/schichten_pruefen.py
python3 scripts/literale_pruefen.py

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKO_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
# What a newcomer installs: programs, data, desktop entry, manual pages.
bash scripts/installation_pruefen.sh build

# A sanitizer build configured earlier with another compiler starts afresh.
if [ -f build-asan/CMakeCache.txt ] && ! grep -q '^CMAKE_CXX_COMPILER:.*clang' build-asan/CMakeCache.txt; then
  rm -rf build-asan
fi
cmake -S . -B build-asan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DVELKO_SANITIZE=ON \
      -DVELKO_WERROR=ON -DVELKO_BENCHMARK=OFF -DVELKO_GUI_TESTS=OFF >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j"$jobs")

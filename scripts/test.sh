#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: a normal
# build (followed by a check of its installation) and one under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/abhaengigkeiten.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
# What a newcomer installs: programs, data, desktop entry, manual pages.
bash scripts/installation_pruefen.sh build

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVELKO_SANITIZE=ON \
      -DVELKO_BENCHMARK=OFF -DVELKO_GUI_TESTS=OFF >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j"$jobs")

#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once with g++ (including the
# real window under Xvfb), once with clang and the address and undefined-behaviour
# sanitizers (unit and headless whole-game tests).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages.sh
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
      -DCMAKE_CXX_COMPILER=clang++ -DKURVENJAGD_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && ctest --output-on-failure -j"$jobs" -LE window)

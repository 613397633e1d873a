#!/usr/bin/env bash
# Installs what is missing, builds the game with its data/ and maps/, and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
exec build/kurvenjagd

#!/usr/bin/env bash
# Installs what is missing, builds the calculator and its tests in Release and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)"
ctest --test-dir build --output-on-failure

#!/usr/bin/env bash
# Installs what is missing, builds the calculator and its tests in Release, runs every test,
# then builds the Debian package and checks it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc 2>/dev/null || echo 2)"
ctest --preset release
bash scripts/test_package.sh
# The same tests under the address and undefined-behaviour sanitizers, then the fuzz targets.
bash scripts/test-sanitizers.sh
bash scripts/test-fuzz.sh

#!/usr/bin/env bash
# Installs what is missing, builds the calculator in Release and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/jobs.sh
bash scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target ropecalc -j"$jobs"
exec build/app/qt/ropecalc

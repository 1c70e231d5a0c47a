#!/usr/bin/env bash
# Installs what is missing, builds the calculator in Release and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh release ropecalc
exec build/app/qt/ropecalc

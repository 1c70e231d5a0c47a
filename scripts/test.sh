#!/usr/bin/env bash
# Installs what is missing, builds the calculator, its tests and its benchmarks in Release and
# runs every test (scripts/test_quick.sh), checks the code's format and lint, builds the Debian package and checks it,
# builds the Windows program and its installer and tests them under Wine, runs every test again
# under the address and undefined-behaviour sanitizers, and runs each fuzz target for a bounded
# time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/test_quick.sh
bash scripts/test_lint.sh
bash scripts/test_package.sh
bash scripts/test_windows.sh
bash scripts/test_sanitizers.sh
bash scripts/test_fuzz.sh

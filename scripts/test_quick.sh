#!/usr/bin/env bash
# The quick check while developing, a few minutes: builds the Release build (which also checks
# that every folder includes only the folders it links) and runs its tests, the models' and the
# Qt window's, two at a time. Arguments go to ctest: -R form1 runs the tests matching "form1".
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh release
ctest --preset release "$@"
